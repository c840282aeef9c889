#pragma once
// The waypoint table and route of an .fpl file for a route: every distinct point once, with an
// identifier of 1 to 12 of A-Z and 0-9 that no other point of the table has, a comment of at most
// 25 of A-Z, 0-9, space and "/", and an empty country code.
//
// A point that appears twice (the same identifier, type and position) is one table entry. The
// first point to claim a fitted identifier keeps it; a later, different point that fits to the
// same identifier gets it numbered ("OLM2", "ABCDEFGHIJK2"), never one that another point
// claims as its own.

#include "core/planning/ExchangeRoute.h"

inline constexpr int kMaxFplIdentLength = 12;

struct FplTable {
    QVector<ExchangePoint> waypoints; // fitted
    QVector<int> route;               // an index into waypoints for each route point, in order
    QString routeName;                // fitted as a comment is
};

FplTable BuildFplTable(const ExchangeRoute& route);
