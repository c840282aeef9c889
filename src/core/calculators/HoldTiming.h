#pragma once
// The hold timing calculator: inbound and outbound headings, the outbound leg time and the leg
// length of a holding pattern in a wind, with an outbound wind correction factor.

#include "core/calculators/CalcResult.h"

#include <QString>
#include <QStringList>

#include <optional>

struct HoldTimingInput {
    QString windDirection, windSpeed, inboundCourse, tas;
    QString inboundTime;        // "m:ss"
    QString outboundCorrection; // "1X", "2X" or "3X" ("" = 1X)
    // The leg length the dialog shows from its last calculation (none before the first one).
    std::optional<double> lastDistance;
};

struct HoldTimingResult {
    CalcResult texts;
    std::optional<double> distance; // the leg length shown now (the last one after a stop)
};

// The lists of the dialog: Inbound Time and Outbound Correction.
const QStringList& HoldInboundTimeItems(); // "1:00", "1:30", "2:00"
const QStringList& HoldCorrectionItems();  // "1X", "2X", "3X"

inline constexpr const char* kInvalidInboundTimeText =
    "Invalid inbound time. The time must be minutes:seconds";
inline constexpr const char* kCorrectionTooStrongText =
    "The wind is too strong for this outbound correction: no outbound heading holds the course.";
inline constexpr const char* kInvalidCorrectionText =
    "The outbound correction must be 1X, 2X or 3X.";

// Outputs "Inbound Heading", "Outbound Heading" ("%u°"), "Outbound Time" ("%u:%02u") and
// "Distance" ("%.1f", "" before any leg length). A refused input stops with its message while
// the outputs show 0°, 0°, 0:00 and the last leg length. A wind the TAS cannot fly against
// (inbound or, with the correction, outbound) or one that stops the aircraft on a leg stops too.
HoldTimingResult CalculateHoldTiming(const HoldTimingInput& in);
