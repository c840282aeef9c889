#include "core/checklists/ChecklistBuilder.h"
#include "core/checklists/ChecklistRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(ChecklistBuilder, AppendsLevelLengthTextAndZero) {
    ChecklistBuilder builder;
    ASSERT_TRUE(builder.Append(4, "Trim:5°").ok());
    ASSERT_TRUE(builder.Append(0, "").ok());
    const QByteArray expected("\x04\x09Trim:5\xC2\xB0\x00\x00\x01\x00", 14);
    EXPECT_EQ(builder.Records(), expected);
    EXPECT_EQ(builder.Length(), 14);
    const auto records = ParseChecklistRecords(builder.Records());
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(*records, (QList<ChecklistRecord>{{4, "Trim:5°", 0}, {0, "", 11}}));
}

TEST(ChecklistBuilder, GrowsBy1024WhenLessThan512WouldStayFree) {
    ChecklistBuilder builder;
    EXPECT_EQ(builder.Capacity(), 0);
    const QString text(97, QLatin1Char('x')); // 100 bytes a record
    ASSERT_TRUE(builder.Append(1, text).ok());
    EXPECT_EQ(builder.Capacity(), 1024);
    for (int i = 0; i < 4; ++i) // 500 bytes: 524 stay free
        ASSERT_TRUE(builder.Append(1, text).ok());
    EXPECT_EQ(builder.Capacity(), 1024);
    ASSERT_TRUE(builder.Append(1, text).ok()); // 424 would stay free
    EXPECT_EQ(builder.Capacity(), 2048);
    EXPECT_EQ(builder.Length(), 600);
}

TEST(ChecklistBuilder, RefusesTextsTheLengthByteCannotHoldAndBadLevels) {
    const QString fits(254, QLatin1Char('a'));
    const QString tooLong(255, QLatin1Char('a'));
    const QString degrees = QString(126, QChar(0x00B0)) + "ab";    // 254 bytes
    const QString degreesOver = QString(127, QChar(0x00B0)) + "a"; // 255 bytes
    const struct {
        int level;
        QString text;
        bool ok;
    } cases[] = {{4, fits, true},         {4, tooLong, false}, {3, degrees, true},
                 {3, degreesOver, false}, {5, "x", false},     {-1, "x", false}};
    for (const auto& c : cases) {
        ChecklistBuilder builder;
        const Status appended = builder.Append(c.level, c.text);
        EXPECT_EQ(appended.ok(), c.ok) << c.level << ' ' << c.text.size();
        EXPECT_EQ(builder.Length(), c.ok ? c.text.toUtf8().size() + 3 : 0);
        if (!c.ok) {
            EXPECT_TRUE(appended.error().text.startsWith("Error:\n"));
        }
    }
}

} // namespace

// A text of bytes that are not UTF-8 reads as replacement characters; it is clipped so that the
// record can be written again unchanged from the editor or the outline.
TEST(ChecklistBuilder, TextOfInvalidUtf8ReadsClippedToWhatARecordHolds) {
    QByteArray area("\x01\xFF", 2);
    area += QByteArray(254, '\xFF') + '\0';
    const auto records = ParseChecklistRecords(area);
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 1);
    const QString text = records->front().text;
    EXPECT_EQ(text, QString(84, QChar::ReplacementCharacter)); // 252 bytes of UTF-8
    ChecklistBuilder builder;
    EXPECT_TRUE(builder.Append(1, text).ok());
}
