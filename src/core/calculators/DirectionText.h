#pragma once
// Directions typed into the wind and hold calculators' list fields: degrees 0..360, where the
// text "0" stands for north and is shown as "360" once read.

#include "core/calculators/CalcResult.h"

#include <QString>

struct DirectionText {
    double value = 0.0;
    bool replaced = false; // the field's text becomes "360"
    // Within 0..360. Negative directions are refused as well as those above 360: the folding of
    // the cross-wind angle, the graphs' bearings and the sector rules assume 0..360.
    bool valid = true;
};

// Reads a direction field: "0" (and, where `emptyIsNorth` is set, an empty text) is 360; any
// other text reads as a number (a text that is no number reads 0).
DirectionText ReadDirection(const QString& text, bool emptyIsNorth = false);

// Reads a direction field and notes a "0" -> "360" replacement under the field's label in
// `result`. False (with `stopId`'s message in `result`) when the direction is not within 0..360.
bool ReadDirectionInto(const QString& text, const QString& label, int stopId, CalcResult& result,
                       double* value, bool emptyIsNorth = false);
