#pragma once
// The "Time" calculator: a running total of durations in minutes, added to and subtracted from
// with "h:mm" texts. The total never goes below zero.

#include "core/calculators/CalcResult.h"
#include "core/common/Outcome.h"

#include <QStringList>

enum class TimeStep { Add, Subtract };

inline constexpr const char* kTimeTotalLabel = "Total";

// The total after one step. The text needs exactly one ":"; hours and minutes are the whole
// numbers before and after it (minutes above 59 count as typed: "1:75" is 135 minutes).
// Subtracting as much as the total or more gives 0. Fails with "Invalid time format, must be
// hh:mm." (information icon).
Outcome<unsigned> ApplyTimeStep(unsigned totalMinutes, const QString& text, TimeStep step);

// The total as shown: "%u:%02u" of hours and minutes ("2:15").
QString TimeTotalText(unsigned totalMinutes);

// Runs steps from a total of 0: each step is "+h:mm" or "-h:mm" (no sign adds). Outputs the
// Total; stops at the first refused step with its message.
CalcResult TimeSum(const QStringList& steps);
