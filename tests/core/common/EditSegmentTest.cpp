#include "core/common/entry/EditSegment.h"
#include "core/common/entry/SegmentedEntry.h"

#include <gtest/gtest.h>

namespace {

// Types the characters one by one; returns the value and whether each was accepted.
QString TypeAll(EditSegment& segment, const char* chars) {
    QString accepted;
    for (const char* c = chars; *c; ++c)
        accepted += segment.TypeCharacter(QChar(*c)) ? 'y' : 'n';
    return accepted;
}

TEST(EditSegment, TypedDigitsRestartAboveTheMaximum) {
    const struct {
        int maximum;
        const char* typed;
        int value;
        const char* accepted;
    } cases[] = {
        {89, "45", 45, "yy"},
        {89, "95", 5, "yy"}, // 95 > 89: restart with the 5
        {59, "60", 0, "yy"},
        {99, "123", 3, "yyy"},
        {179, "179", 179, "yyy"},
        {179, "180", 0, "yyy"},  // 180 > 179: restarts with the 0
        {23, "x:.-", 0, "nnnn"}, // no negatives in this range; other characters refused
        {5, "7", 0, "n"},        // even the digit alone is out of range
        {23, "000000000000009", 9, "yyyyyyyyyyyyyyy"},
    };
    for (const auto& c : cases) {
        EditSegment segment(0, c.maximum);
        EXPECT_EQ(TypeAll(segment, c.typed), QString(c.accepted)) << c.typed;
        EXPECT_EQ(segment.Value(), c.value) << c.typed;
    }
}

TEST(EditSegment, StepsWrapAndSetChecksTheRange) {
    EditSegment minutes(0, 59);
    minutes.Set(59);
    minutes.StepUp();
    EXPECT_EQ(minutes.Value(), 0);
    minutes.StepDown();
    EXPECT_EQ(minutes.Value(), 59);
    EXPECT_FALSE(minutes.Set(60));
    EXPECT_EQ(minutes.Value(), 59);
    EXPECT_FALSE(minutes.Set(-1));
    minutes.Reset();
    EXPECT_EQ(minutes.Value(), 0);

    // Setting and stepping clear the typed digits: the next digit starts a new number.
    EditSegment hours(0, 23);
    hours.TypeCharacter('1');
    hours.StepUp();
    hours.TypeCharacter('2');
    EXPECT_EQ(hours.Value(), 2);
    hours.Set(5);
    hours.TypeCharacter('1');
    EXPECT_EQ(hours.Value(), 1);
}

TEST(EditSegment, MinusTogglesTheSignOnlyWhereNegativesAreAllowed) {
    EditSegment offset(-12, 12);
    EXPECT_TRUE(offset.NegativesAllowed());
    offset.TypeCharacter('5');
    EXPECT_TRUE(offset.TypeCharacter('-'));
    EXPECT_EQ(offset.Value(), -5);
    EXPECT_TRUE(offset.Negative());
    offset.TypeCharacter('1'); // "51" > 12: restarts with 1, still negative
    EXPECT_EQ(offset.Value(), -1);
    offset.Set(0);
    EXPECT_FALSE(offset.Negative());
}

TEST(SegmentedEntry, LatitudeTypingMovesOnAfterTwoDigits) {
    SegmentedEntry entry;
    entry.AddSegment(0, 89, 2, 2);
    entry.AddSegment(0, 59, 2, 2);
    entry.AddSegment(0, 99, 2, 2);
    int current = 0;
    QList<int> path;
    for (char c : QByteArray("453012")) {
        current = entry.Type(current, QChar(c));
        path.append(current);
    }
    EXPECT_EQ(path, (QList<int>{0, 1, 1, 2, 2, 2}));
    EXPECT_EQ(entry.Texts(), (QStringList{"45", "30", "12"}));
    // Refused characters do not count; the last segment's count restarts after two digits.
    EXPECT_EQ(entry.Type(2, ':'), -1);
    EXPECT_EQ(entry.AcceptedDigits(2), 0);
    EXPECT_EQ(entry.Type(2, '7'), 2);
    EXPECT_EQ(entry.Segment(2).Value(), 7); // "127" > 99 restarts with 7
}

TEST(SegmentedEntry, LongitudeNeedsThreeDegreeDigitsAndZeroStepKeys) {
    SegmentedEntry entry;
    entry.AddSegment(0, 179, 3, 3);
    entry.AddSegment(0, 59, 2, 2);
    EXPECT_EQ(entry.Type(0, '1'), 0);
    EXPECT_EQ(entry.Type(0, '2'), 0);
    EXPECT_EQ(entry.Type(0, '3'), 1);
    EXPECT_EQ(entry.Texts(), (QStringList{"123", "00"}));
    entry.Type(0, '9'); // a fresh count after the move: one digit, stays
    entry.Zero(0);
    EXPECT_EQ(entry.Value(0), 0);
    EXPECT_EQ(entry.AcceptedDigits(0), 0);
    entry.StepDown(0);
    EXPECT_EQ(entry.Texts().first(), QStringLiteral("179"));
    entry.StepUp(0);
    EXPECT_EQ(entry.Value(0), 0);
}

} // namespace
