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
    int inbound = 0; // whole degrees of the selected items
    int approach = 0;
    int difference = 0; // approach - inbound (inbound 360 taken as 0), 0..360
    HoldEntryKind entry = HoldEntryKind::None;
    HoldEntryDrawing drawing = HoldEntryDrawing::ApproachOnly;
    QString text; // "Entry: Direct"; "Entry: " alone when a course is not a list item
};

// Evaluates the entry from the selected list items (index x 10 degrees). An index outside the
// lists (-1: nothing selected) gives no entry and a drawing of the pattern alone.
HoldEntryResult EvaluateHoldEntry(int inboundIndex, int approachIndex, HoldTurns turns);

// The list item of a typed course: a whole multiple of 10 from 0 to 360 gives its index; -1 for
// any other text.
int HoldCourseIndex(const QString& text);
// The entry's name: "Direct", "Offset", "Parallel" ("" for none).
QString HoldEntryName(HoldEntryKind entry);

// From texts (trevallion-calc): outputs "Entry". A course that is not a list item, or a type
// other than "Standard" or "Left hand", stops with a message.
CalcResult CalculateHoldEntry(const QString& inboundCourse, const QString& approach,
                              const QString& type);
