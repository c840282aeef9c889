#include "core/calculators/HoldEntry.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/NumberText.h"

namespace {

bool IsListIndex(int index) {
    return index >= 0 && index < kHoldCourseItems;
}

HoldEntryKind EntryFor(int d, HoldTurns turns) {
    if (d < 109 || d > 288)
        return HoldEntryKind::Direct;
    if (d == 180)
        return HoldEntryKind::Parallel;
    const bool towardsHoldingSide = d <= 178;
    if (turns == HoldTurns::Standard)
        return towardsHoldingSide ? HoldEntryKind::Offset : HoldEntryKind::Parallel;
    return towardsHoldingSide ? HoldEntryKind::Parallel : HoldEntryKind::Offset;
}

// The graphic's own sector test (it agrees with EntryFor for every pair of list values).
HoldEntryDrawing DrawingFor(int d, HoldTurns turns) {
    const bool standard = turns == HoldTurns::Standard;
    if (d >= 110 && d < 180)
        return standard ? HoldEntryDrawing::OffsetType : HoldEntryDrawing::ParallelType;
    if (d >= 180 && d < 290) {
        if (d == 180 || standard)
            return HoldEntryDrawing::ParallelType;
        return HoldEntryDrawing::OffsetType;
    }
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

HoldEntryResult EvaluateHoldEntry(int inboundIndex, int approachIndex, HoldTurns turns) {
    HoldEntryResult r;
    r.text = QStringLiteral("Entry: ");
    if (!IsListIndex(inboundIndex) || !IsListIndex(approachIndex))
        return r;
    r.inbound = inboundIndex * 10;
    r.approach = approachIndex * 10;
    r.difference = r.approach - (r.inbound == 360 ? 0 : r.inbound);
    if (r.difference < 0)
        r.difference += 360;
    r.entry = EntryFor(r.difference, turns);
    r.drawing = DrawingFor(r.difference, turns);
    r.text += HoldEntryName(r.entry);
    return r;
}

int HoldCourseIndex(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 3)
        return -1;
    for (QChar c : trimmed)
        if (!c.isDigit())
            return -1;
    const int value = TextToInt(trimmed);
    return value % 10 == 0 && value <= 360 ? value / 10 : -1;
}

CalcResult CalculateHoldEntry(const QString& inboundCourse, const QString& approach,
                              const QString& type) {
    const int inbound = HoldCourseIndex(inboundCourse);
    const int from = HoldCourseIndex(approach);
    if (inbound < 0 || from < 0)
        return StopWith(CalcMessage("The courses must be list values: 0, 10, 20 ... 360."));
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
