#include "core/calculators/HoldEntry.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/NumberText.h"
#include "resource.h"

namespace {

bool IsCourse(int degrees) {
    return degrees >= 0 && degrees <= 360;
}

// The entry for right-hand turns from d = approach - inbound, 0..360.
HoldEntryKind RightHandEntry(int d) {
    if (d < 109 || d > 288)
        return HoldEntryKind::Direct;
    return d <= 178 ? HoldEntryKind::Offset : HoldEntryKind::Parallel;
}

// The graphic's own sector test for right-hand turns (it agrees with RightHandEntry for every
// whole degree).
HoldEntryDrawing RightHandDrawing(int d) {
    if (d >= 109 && d <= 178)
        return HoldEntryDrawing::OffsetType;
    if (d > 178 && d <= 288)
        return HoldEntryDrawing::ParallelType;
    return HoldEntryDrawing::ApproachOnly;
}

} // namespace

const QStringList& HoldTurnItems() {
    static const QStringList items{QStringLiteral("Standard"), QStringLiteral("Left hand")};
    return items;
}

QString HoldEntryName(HoldEntryKind entry) {
    switch (entry) {
    case HoldEntryKind::Direct:
        return QStringLiteral("Direct");
    case HoldEntryKind::Offset:
        return QStringLiteral("Offset");
    case HoldEntryKind::Parallel:
        return QStringLiteral("Parallel");
    case HoldEntryKind::None:
        break;
    }
    return {};
}

HoldEntryResult EvaluateHoldEntry(int inboundDegrees, int approachDegrees, HoldTurns turns) {
    HoldEntryResult r;
    if (!IsCourse(inboundDegrees) || !IsCourse(approachDegrees)) {
        r.text = LoadString(IDS_INVALID_COURSE);
        return r;
    }
    r.inbound = inboundDegrees;
    r.approach = approachDegrees;
    r.difference = r.approach - (r.inbound == 360 ? 0 : r.inbound);
    if (r.difference < 0)
        r.difference += 360;
    // Left-hand turns see the same diagram from the other side of the inbound course.
    const int d = turns == HoldTurns::Standard ? r.difference : (360 - r.difference) % 360;
    r.entry = RightHandEntry(d);
    r.drawing = RightHandDrawing(d);
    r.text = QStringLiteral("Entry: ") + HoldEntryName(r.entry);
    return r;
}

int HoldCourseDegrees(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 3)
        return -1;
    for (QChar c : trimmed)
        if (!c.isDigit())
            return -1;
    const int value = TextToInt(trimmed);
    return IsCourse(value) ? value : -1;
}

CalcResult CalculateHoldEntry(const QString& inboundCourse, const QString& approach,
                              const QString& type) {
    const int inbound = HoldCourseDegrees(inboundCourse);
    const int from = HoldCourseDegrees(approach);
    if (inbound < 0 || from < 0)
        return StopWith(CalcMessage(IDS_INVALID_COURSE));
    // The type as the list shows it, in any case; an empty type is the list's first item.
    int turnIndex = type.isEmpty() ? 0 : -1;
    for (int i = 0; i < HoldTurnItems().size(); ++i)
        if (HoldTurnItems()[i].compare(type.trimmed(), Qt::CaseInsensitive) == 0)
            turnIndex = i;
    if (turnIndex < 0)
        return StopWith(CalcMessage("The type must be \"Standard\" or \"Left hand\"."));
    const HoldEntryResult entry = EvaluateHoldEntry(
        inbound, from, turnIndex == 1 ? HoldTurns::LeftHand : HoldTurns::Standard);
    CalcResult r;
    r.Add(QStringLiteral("Entry"), HoldEntryName(entry.entry));
    return r;
}
