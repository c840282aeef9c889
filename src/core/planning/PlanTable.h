#pragma once
// The texts of the plan table and its totals line, exactly as the view shows them (and the
// command line prints them).

#include "core/planning/PlanLeg.h"

#include <QList>
#include <QStringList>

struct PlanColumn {
    const char* heading;
    int width; // pixels
};

// "ID" 47, "NM" 38, "MT" 35, "MH" 35, "GS" 35, "Time" 60, "Fuel" 40, "ETE" 60.
const QList<PlanColumn>& PlanColumns();

// Hours as "%02u:%02u:%02u" (whole hours, minutes and seconds, cut, not rounded, past a
// rounding error of a microsecond). "" for a
// time that is no number of hours a clock can show (negative, endless or absurdly long).
QString PlanHoursText(double hours);

// One row a leg (the start point's identifier, distance, tracks, ground speed, time, fuel and
// elapsed time), then a row with only the last identifier. What a leg does not know is "".
QList<QStringList> PlanTableRows(const FlightPlan& plan);

// "Total time: hh:mm:ss  Fuel: %.1f" of the last leg; "" with fewer than two points or when the
// totals are unknown.
QString PlanTotalsText(const FlightPlan& plan);
