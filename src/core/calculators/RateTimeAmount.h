#pragma once
// The "leave one item empty" rule shared by Time/Speed/Distance and Fuel Burn: of a rate per
// hour, an amount and a time (h:mm), the empty one is computed from the two others
// (amount = rate x time). A value counts as given when it does not read 0.

#include "core/calculators/CalcResult.h"

struct RateTimeAmountRules {
    const char* rateLabel;   // "Speed", "Fuel burn"
    const char* amountLabel; // "Distance", "Fuel quantity"
    bool roundAmount;        // the amount is rounded to a tenth before it is shown
    // With only the rate given: true shows an amount of "0.0", false a time of "0:00".
    bool rateOnlyGivesAmount;
    // Shown when only the amount is given (the rate cannot come from a time of 0).
    const char* amountOnlyMessage;
};

inline constexpr const char* kTimeHoursMinutesLabel = "Time (hh:mm)";
inline constexpr const char* kLeaveOneEmptyText = "Please leave one value empty.";

// The computed field as the one output. Nothing when no value is given; stops with "Please
// leave one value empty." when all three are, with the time format message for a time without
// exactly one ":", and with the rules' message when only the amount is given.
CalcResult SolveRateTimeAmount(const RateTimeAmountRules& rules, const QString& rateText,
                               const QString& amountText, const QString& timeText);

// Hours as "h:mm": whole hours and whole minutes, each rounded down ("0:50" for 0.8333 h).
// Negative values show "0:00".
QString HoursMinutesText(double hours);
