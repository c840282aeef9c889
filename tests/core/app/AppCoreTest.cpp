#include "core/app/MenuBarRecord.h"
#include "core/app/VersionNumber.h"
#include "core/app/ViewTable.h"

#include "Version.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace {

TEST(ViewTable, StoredViewsAndTheirMenus) {
    const struct {
        uint32_t stored;
        int start;
        int firstMenu;
        int secondMenu;
        const char* topic;
    } cases[] = {
        {ID_VIEW_TIMES, ID_VIEW_TIMES, IDM_TIMES, IDM_TIMES_V5, "Times"},
        {ID_VIEW_WEIGHT_BALANCE, ID_VIEW_WEIGHT_BALANCE, IDM_WEIGHT_BALANCE, IDM_WEIGHT_BALANCE_V5,
         "Weight&Balance"},
        {ID_VIEW_AIRPORT_DIRECTORY, ID_VIEW_AIRPORT_DIRECTORY, IDM_AIRPORT_DIRECTORY,
         IDM_AIRPORT_DIRECTORY_V5, "AirportDirectory"},
        {ID_VIEW_FLIGHT_PLANNING, ID_VIEW_FLIGHT_PLANNING, IDM_FLIGHT_PLANNING,
         IDM_FLIGHT_PLANNING_V5, "FlightPlanning"},
        {ID_VIEW_CHECKLIST, ID_VIEW_CHECKLIST, IDM_CHECKLIST, IDM_CHECKLIST_V5, "CheckList"},
        {ID_VIEW_TIME_ZONES, ID_VIEW_TIME_ZONES, IDM_TIME_ZONES, IDM_TIME_ZONES_V5, "TimeZones"},
        {5, ID_VIEW_TIMES, IDM_TIMES, IDM_TIMES_V5, "Times"}, // names no view
        {0, ID_VIEW_TIMES, IDM_TIMES, IDM_TIMES_V5, "Times"},
        {32882, ID_VIEW_TIMES, IDM_TIMES, IDM_TIMES_V5, "Times"},
        {0xFFFFFFFFu, ID_VIEW_TIMES, IDM_TIMES, IDM_TIMES_V5, "Times"}, // -1 stored
        {ID_VIEW_PORTRAIT, ID_VIEW_TIMES, IDM_TIMES, IDM_TIMES_V5,
         "Times"}, // a command, not a view
    };
    for (const auto& c : cases) {
        const int view = StartViewId(c.stored);
        EXPECT_EQ(view, c.start) << c.stored;
        EXPECT_EQ(MenuIdForView(view, true), c.firstMenu) << c.stored;
        EXPECT_EQ(MenuIdForView(view, false), c.secondMenu) << c.stored;
        ASSERT_NE(FindView(view), nullptr);
        EXPECT_STREQ(FindView(view)->helpTopic, c.topic);
    }
    EXPECT_EQ(FindView(5), nullptr);
    EXPECT_EQ(MenuIdForView(5, true), 0);
}

TEST(ViewTable, FirstMenuSetForOldPlatformsAndSquareScreens) {
    const struct {
        int major;
        int width;
        int height;
        bool first;
    } cases[] = {
        {5, 240, 320, false}, {5, 320, 240, false}, {5, 240, 240, true}, // square wins
        {6, 480, 480, true},  {4, 240, 320, true},  {4, 320, 240, true},
        {3, 240, 240, true},  {5, 640, 480, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UsesFirstMenuSet(c.major, c.width, c.height), c.first)
            << c.major << " " << c.width << "x" << c.height;
    EXPECT_GE(kPlatformMajorVersion, 5);
}

TEST(VersionNumber, PacksMajorMinorAndBuild) {
    EXPECT_EQ(PackVersion(2, 2, 0), 0x220u);
    EXPECT_EQ(PackVersion(1, 0, 0), 0x100u);
    EXPECT_EQ(PackVersion(3, 1, 5), 0x315u);
    EXPECT_EQ(PackVersion(1, 0x102, 0), 0x120u); // only the low byte of minor
    EXPECT_EQ(ProgramVersionWord(), PackVersion(TREVALLION_VERSION_MAJOR, TREVALLION_VERSION_MINOR,
                                                TREVALLION_VERSION_PATCH));
}

QVector<int> Record(int menuId, QVector<QVector<int>> buttons) {
    QVector<int> words{menuId, static_cast<int>(buttons.size())};
    for (const QVector<int>& b : buttons)
        words += b;
    return words;
}

TEST(MenuBarRecord, DecodesButtons) {
    const QVector<int> words =
        Record(IDM_TIMES, {{-2, IDS_MENU_FILE, 4, 0x18, IDS_MENU_FILE, 0, 0},
                           {-2, IDS_MENU_TIMES, 4, 0x18, IDS_MENU_TIMES, 0, 5}});
    const Outcome<MenuBarRecord> record = DecodeMenuBarRecord(IDM_TIMES, words, 6);
    ASSERT_TRUE(record.ok()) << record.error().text.toStdString();
    EXPECT_EQ(record->menuId, IDM_TIMES);
    ASSERT_EQ(record->buttons.size(), 2);
    EXPECT_EQ(record->buttons[0],
              (MenuBarButton{0xFFFE, IDS_MENU_FILE, 4, 0x18, IDS_MENU_FILE, 0}));
    EXPECT_EQ(record->buttons[1].subMenu, 5);
    EXPECT_EQ(record->buttons[1].stringId, IDS_MENU_TIMES);
}

TEST(MenuBarRecord, RefusesRecordsThatDoNotFit) {
    const QVector<int> button{-2, IDS_MENU_FILE, 4, 0x18, IDS_MENU_FILE, 0, 0};
    const struct {
        QVector<int> words;
        int subMenus;
        const char* why;
    } cases[] = {
        {{}, 6, "no button count"},
        {{128}, 6, "no button count"},
        {Record(128, {button}).mid(0, 8), 6, "need 9 words"},   // cut short
        {Record(128, {button}) + QVector<int>{0}, 6, "has 10"}, // a word too many
        {{128, 0xFFFF}, 6, "65535 buttons"},                    // a hostile count
        {Record(128, {{-2, 1, 4, 0x18, 1, 0, 6}}), 6, "sub-menu 6 of 6"},
        {Record(128, {{-2, 1, 4, 0x18, 1, 0, 0}}), 0, "sub-menu 0 of 0"},
    };
    for (const auto& c : cases) {
        const Outcome<MenuBarRecord> record = DecodeMenuBarRecord(IDM_TIMES, c.words, c.subMenus);
        ASSERT_FALSE(record.ok()) << c.why;
        EXPECT_TRUE(record.error().text.contains(c.why)) << record.error().text.toStdString();
        EXPECT_TRUE(record.error().text.startsWith("Menu bar 128")) << c.why;
    }
}

} // namespace
