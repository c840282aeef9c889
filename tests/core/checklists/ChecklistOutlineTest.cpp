#include "ChecklistTestData.h"

#include "core/checklists/ChecklistData.h"
#include "core/checklists/ChecklistOutline.h"

namespace {

TEST(ChecklistOutline, DefaultChecklistRoundTrips) {
    QFile file(TREVALLION_DEFAULT_CHECKLIST);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray outline = file.readAll();
    const Outcome<QByteArray> area = ChecklistAreaFromOutline(outline);
    ASSERT_TRUE(area.ok()) << area.error().text.toStdString();

    ChecklistData data;
    ASSERT_TRUE(data.ReplaceChecklists(area.value()).ok());
    ASSERT_EQ(data.AircraftNames().size(), 1);
    const QList<ChecklistEntry> tabs = data.TabsOf(0);
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_EQ(tabs[0].text, "Normal");
    EXPECT_EQ(tabs[1].text, "Emergency");
    for (const ChecklistEntry& tab : tabs) {
        for (const ChecklistEntry& group : data.GroupsOf(tab.offset)) {
            for (const ChecklistEntry& subGroup : data.SubGroupsOf(group.offset)) {
                const QStringList items = data.ItemsOf(subGroup.offset);
                EXPECT_FALSE(items.isEmpty()) << subGroup.text.toStdString();
                for (const QString& item : items)
                    EXPECT_GT(item.indexOf(':'), 0) << item.toStdString();
            }
        }
    }

    const Outcome<QString> back = ChecklistOutlineText(data.Records());
    ASSERT_TRUE(back.ok()) << back.error().text.toStdString();
    EXPECT_EQ(back.value().toUtf8(), outline);
}

TEST(ChecklistOutline, ReadsByteOrderMarkCrLfAndBlankLines) {
    const QByteArray outline("\xEF\xBB\xBF"
                             "Tourer\r\n"
                             "\r\n"
                             "  Normal\r\n"
                             "    Cruise\n"
                             "      Icing\n"
                             "        OAT:Below 5\xC2\xB0"
                             "C \n"
                             "   \n");
    const Outcome<QByteArray> area = ChecklistAreaFromOutline(outline);
    ASSERT_TRUE(area.ok()) << area.error().text.toStdString();
    EXPECT_EQ(
        RecordsOf(area.value()),
        RecordsOf(BuildArea(
            {{0, "Tourer"}, {1, "Normal"}, {2, "Cruise"}, {3, "Icing"}, {4, "OAT:Below 5°C "}})));
    EXPECT_TRUE(ChecklistAreaFromOutline("").ok());
    EXPECT_TRUE(ChecklistAreaFromOutline("").value().isEmpty());
}

TEST(ChecklistOutline, RefusesFaultyLinesByNumber) {
    const QByteArray longText(255, 'x');
    const struct {
        QByteArray outline;
        const char* fault;
    } cases[] = {
        {"  Normal\n", "line 1: the first line must be an aircraft (no indent)"},
        {"A\n  T\n      Sub\n", "line 3: the level skips a step"},
        {"A\n  T\n    G\n        Item:x\n", "line 4: an item outside a sub group"},
        {"A\n  T\n   G\n", "line 3: the indent is not a whole number of levels (two spaces each)"},
        {"A\n\tT\n", "line 2: indent with spaces only, two for each level"},
        {"A\n  T\n    G\n      S\n          Deeper\n",
         "line 5: the indent is deeper than an item (eight spaces)"},
        {"A\n  " + longText + "\n", "line 2: the text is 255 bytes of UTF-8; at most 254 fit"},
        {"A\n  T\xFF\n", "line 2: the text is not UTF-8"},
        {"A\n  t\rt\n", "line 2: the text holds a control character"},
        {QByteArray("A\n  T\0lost\n", 11), "line 2: the text holds a control character"},
        {"A\n\xEF\xBB\xBF\n",
         "line 2: a byte-order mark (U+FEFF) is allowed only at the start of the file"},
        {"A\n  T\xEF\xBB\xBFx\n",
         "line 2: a byte-order mark (U+FEFF) is allowed only at the start of the file"},
        {"\xEF\xBB\xBF\xEF\xBB\xBF"
         "A\n",
         "line 1: a byte-order mark (U+FEFF) is allowed only at the start of the file"},
    };
    for (const auto& c : cases) {
        const Outcome<QByteArray> area = ChecklistAreaFromOutline(c.outline);
        ASSERT_FALSE(area.ok()) << c.fault;
        EXPECT_EQ(area.error().text, QString("Error:\nInvalid checklist outline:\n") + c.fault);
    }
}

TEST(ChecklistOutline, ListsEveryFaultWithoutFollowOnFaults) {
    const Outcome<QByteArray> area =
        ChecklistAreaFromOutline("A\n  T\n\t    G\n    G\n      S\n        I\n            X\n");
    ASSERT_FALSE(area.ok());
    EXPECT_EQ(area.error().text, "Error:\nInvalid checklist outline:\n"
                                 "line 3: indent with spaces only, two for each level\n"
                                 "line 7: the indent is deeper than an item (eight spaces)");
}

TEST(ChecklistOutline, ExportRefusesTextsThatWouldNotComeBack) {
    const Outcome<QString> outline =
        ChecklistOutlineText(RecordsOf(BuildArea({{0, "A"},
                                                  {1, ""},
                                                  {2, " G"},
                                                  {3, "S\nT"},
                                                  {4, "Fine"},
                                                  {4, "Bell\x01"},
                                                  {4, "Mark\xEF\xBB\xBF"}})));
    ASSERT_FALSE(outline.ok());
    EXPECT_EQ(outline.error().text,
              "Error:\nThese checklist texts cannot be written as an outline:\n"
              "line 2: the text is empty\n"
              "line 3: the text starts with white space\n"
              "line 4: the text holds a line break\n"
              "line 6: the text holds a control character\n"
              "line 7: a byte-order mark (U+FEFF) is allowed only at the start of the file");
}

} // namespace
