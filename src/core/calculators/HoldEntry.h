#pragma once
// The hold entry calculator: which entry ("Direct", "Offset" or "Parallel") joins a holding
// pattern from an approach course, and which entry the pattern graphic draws.

#include "core/calculators/CalcResult.h"

#include <QString>
#include <QStringList>

enum class HoldTurns { Standard, LeftHand }; // Standard = right-hand turns
enum class HoldEntryKind { None, Direct, Offset, Parallel };
enum class HoldEntryDrawing { ApproachOnly, OffsetType, ParallelType };

// The Inbound Course and Approach lists: "0", "10", ..., "360" (37 items).
inline constexpr int kHoldCourseItems = 37;
// The Type list: "Standard", "Left hand".
const QStringList& HoldTurnItems();

struct HoldEntryResult {
    int inbound = 0; // whole degrees
    int approach = 0;
    int difference = 0; // approach - inbound (inbound 360 taken as 0), 0..360
    HoldEntryKind entry = HoldEntryKind::None;
    HoldEntryDrawing drawing = HoldEntryDrawing::ApproachOnly;
    // "Entry: Direct"; "Invalid course value." when a course is no whole degree from 0 to 360.
    QString text;
};

// Evaluates the entry from the two courses in whole degrees. Right-hand turns: an approach
// within 70 degrees left or 110 right of the inbound course is "Direct", from 110 to 180 right
// "Offset", from 180 to 290 "Parallel" (the thresholds at 109, 178 and 288). Left-hand turns
// mirror the whole sector diagram across the inbound course. A course outside 0..360 (-1: none
// typed) gives no entry, the invalid-course message and a drawing of the pattern alone.
HoldEntryResult EvaluateHoldEntry(int inboundDegrees, int approachDegrees, HoldTurns turns);

// The course a field's text gives: whole degrees from 0 to 360, as typed or picked from the
// list; -1 for any other text.
int HoldCourseDegrees(const QString& text);
// The entry's name: "Direct", "Offset", "Parallel" ("" for none).
QString HoldEntryName(HoldEntryKind entry);

// From texts (trevallion-calc): outputs "Entry". A course that is no whole degree from 0 to 360
// stops with "Invalid course value."; a type other than "Standard" or "Left hand" with its own
// message.
CalcResult CalculateHoldEntry(const QString& inboundCourse, const QString& approach,
                              const QString& type);
