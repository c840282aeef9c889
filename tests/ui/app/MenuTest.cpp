// The fourteen menus with their menu-bar buttons, item texts, sub-menus and command ids, and the
// states their items take in each view.
#include "ShellFixture.h"

#include "core/app/ViewTable.h"
#include "resource.h"
#include "ui/app/MenuBar.h"
#include "ui/app/ScreenRegistrations.h"
#include "ui/framework/MenuBuilder.h"

#include <QMenu>
#include <QToolButton>

#include <set>

namespace {

using Lines = QStringList;

Lines Item(const QString& text, int id) {
    return {QStringLiteral("%1=%2").arg(text).arg(id)};
}
Lines Popup(const QString& text, const Lines& items) {
    Lines lines{text + ">"};
    for (const QString& item : items)
        lines.append("  " + item);
    return lines;
}
const Lines kSeparator{"-"};

Lines FileMenu(const QString& save, const QString& open, const Lines& more = {}) {
    Lines items;
    if (!save.isEmpty())
        items << Item(save, ID_FILE_SAVE);
    if (!open.isEmpty())
        items << Item(open, ID_FILE_OPEN);
    items << more;
    if (!open.isEmpty() || !more.isEmpty())
        items << kSeparator;
    items << Item("Preferences...", ID_FILE_PREFERENCES) << Item("About", ID_APP_ABOUT)
          << kSeparator << Item("Exit", ID_FILE_EXIT);
    return Popup("File", items);
}

Lines EditMenu(const QString& extra = {}, int extraId = 0) {
    Lines items = Item("Aircraft...", ID_EDIT_AIRCRAFT) + Item("Waypoints...", ID_EDIT_WAYPOINTS);
    if (!extra.isEmpty())
        items << kSeparator << Item(extra, extraId);
    return Popup("Edit", items);
}

Lines ViewMenu(bool secondSet) {
    Lines items = Item("Times", ID_VIEW_TIMES) + Item("Weight - Balance", ID_VIEW_WEIGHT_BALANCE) +
                  Item("Airport Directory", ID_VIEW_AIRPORT_DIRECTORY) +
                  Item("Flight Planning", ID_VIEW_FLIGHT_PLANNING) +
                  Item("Checklist", ID_VIEW_CHECKLIST) + Item("Time Zones", ID_VIEW_TIME_ZONES) +
                  Item("Logbook", ID_VIEW_LOGBOOK) + kSeparator +
                  Item("Night Colours", ID_VIEW_NIGHT_COLOURS);
    if (secondSet)
        items << Popup("Orientation", Item("Portrait", ID_VIEW_PORTRAIT) +
                                          Item("Landscape (Right)", ID_VIEW_LANDSCAPE_RIGHT) +
                                          Item("Landscape (Left)", ID_VIEW_LANDSCAPE_LEFT));
    return Popup("View", items);
}

Lines CalcMenu() {
    return Popup("Calc",
                 Item("Ground Speed...", ID_CALC_GROUND_SPEED) +
                     Item("Heading/Time...", ID_CALC_HEADING_TIME) +
                     Popup("Winds", Item("Find Wind...", ID_CALC_FIND_WIND) +
                                        Item("Cross Wind...", ID_CALC_CROSS_WIND)) +
                     Popup("Altitude", Item("Density Altitude...", ID_CALC_DENSITY_ALTITUDE) +
                                           Item("Pressure Altitude...", ID_CALC_PRESSURE_ALTITUDE) +
                                           Item("True Airspeed...", ID_CALC_TRUE_AIRSPEED) +
                                           Item("MACH...", ID_CALC_MACH) +
                                           Item("Standard Temp...", ID_CALC_STANDARD_TEMP)) +
                     Item("Descent Rate...", ID_CALC_DESCENT_RATE) +
                     Popup("Holds", Item("Times...", ID_CALC_HOLD_TIMES) +
                                        Item("View...", ID_CALC_HOLD_VIEW)) +
                     kSeparator + Item("Distance/Track...", ID_CALC_DISTANCE_TRACK) +
                     Item("Sun Rise - Sun Set...", ID_CALC_SUNRISE_SUNSET) + kSeparator +
                     Item("Time/Speed/Distance...", ID_CALC_TIME_SPEED_DISTANCE) +
                     Item("Time...", ID_CALC_TIME) + Item("Fuel Burn...", ID_CALC_FUEL_BURN) +
                     Item("Fuel Quantity...", ID_CALC_FUEL_QUANTITY) +
                     Item("Weight Shift...", ID_CALC_WEIGHT_SHIFT));
}

Lines ConvertMenu() {
    return Popup("Convert", Item("Fahrenheit <> Celsius...", ID_CONVERT_FAHRENHEIT_CELSIUS) +
                                Item("Millibars <> Inches...", ID_CONVERT_MILLIBARS_INCHES) +
                                Item("Pounds <> Kilograms...", ID_CONVERT_POUNDS_KILOGRAMS) +
                                Item("Feet <> Metres...", ID_CONVERT_FEET_METRES) +
                                Item("Inches <> Centimetres...", ID_CONVERT_INCHES_CENTIMETRES) +
                                Item("Inches <> Millimetres...", ID_CONVERT_INCHES_MILLIMETRES) +
                                kSeparator +
                                Item("Knots, Miles, Kilometres...", ID_CONVERT_DISTANCE) +
                                Item("Gallons <> Litres...", ID_CONVERT_GALLONS_LITRES));
}

Lines TimesMenu() {
    return Popup("Times", Item("Reset All", ID_TIMES_RESET_ALL) +
                              Item("Reset Startup Time", ID_TIMES_RESET_STARTUP) +
                              Item("Reset Takeoff Time", ID_TIMES_RESET_TAKEOFF) +
                              Item("Reset Landing Time", ID_TIMES_RESET_LANDING) +
                              Item("Reset Shutdown Time", ID_TIMES_RESET_SHUTDOWN) + kSeparator +
                              Item("Local Time", ID_TIMES_LOCAL_TIME) +
                              Item("Show HH:MM", ID_TIMES_SHOW_HHMM) + kSeparator +
                              Item("Copy", ID_TIMES_COPY) +
                              Item("Copy to Verol Flight Log...", ID_TIMES_COPY_TO_VEROL) +
                              kSeparator + Item("Timers...", ID_TIMES_TIMERS));
}

Lines GraphMenu() {
    return Popup("Graph", Item("Lines", ID_GRAPH_LINES) + Item("Ramp", ID_GRAPH_RAMP) +
                              Item("Takeoff", ID_GRAPH_TAKEOFF) +
                              Item("Zero fuel", ID_GRAPH_ZERO_FUEL) +
                              Item("Landing", ID_GRAPH_LANDING));
}

// The buttons of a menu's bar, each followed by the items of the menu it opens.
Lines ExpectedMenu(int menuId) {
    const bool second = menuId >= IDM_AIRPORT_DIRECTORY_V5 && menuId != IDM_LOGBOOK;
    const Lines common = CalcMenu() + ConvertMenu();
    switch (menuId) {
    case IDM_TIMES:
    case IDM_TIMES_V5:
        return FileMenu({}, {}) + EditMenu("GPS...", ID_EDIT_GPS) + ViewMenu(second) + common +
               TimesMenu();
    case IDM_WEIGHT_BALANCE:
        return FileMenu("Save weight && balance...", "Open weight && balance...") + EditMenu() +
               ViewMenu(false) + GraphMenu() + common;
    case IDM_WEIGHT_BALANCE_V5:
        return FileMenu("Save weight && balance...", "Open weight && balance...") + EditMenu() +
               ViewMenu(true) + common;
    case IDM_FLIGHT_PLANNING:
    case IDM_FLIGHT_PLANNING_V5:
        return FileMenu("Save flight plan...", "Open flight plan...",
                        Item("Export...", ID_FILE_EXPORT_PLAN) +
                            Item("Import...", ID_FILE_IMPORT_PLAN)) +
               EditMenu() + ViewMenu(second) + common;
    case IDM_LOGBOOK:
    case IDM_LOGBOOK_V5:
        return FileMenu({}, {}, Item("Export Logbook...", ID_FILE_EXPORT_LOGBOOK)) + EditMenu() +
               ViewMenu(second) + common;
    case IDM_TIME_ZONES:
    case IDM_TIME_ZONES_V5:
        return FileMenu({}, {}) + EditMenu("Time Zones...", ID_EDIT_TIME_ZONES) + ViewMenu(second) +
               common;
    case IDM_AIRPORT_DIRECTORY:
    case IDM_AIRPORT_DIRECTORY_V5:
        return FileMenu({}, "Open airport file...") + EditMenu() + ViewMenu(second) + common;
    default: // the checklist menus
        return FileMenu({}, {}) + EditMenu() + ViewMenu(second) + common;
    }
}

void Describe(const QMenu* menu, const QString& indent, Lines* lines) {
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines->append(indent + "-");
        } else if (const QMenu* sub = action->menu()) {
            lines->append(indent + action->text() + ">");
            Describe(sub, indent + "  ", lines);
        } else {
            lines->append(indent +
                          QStringLiteral("%1=%2").arg(action->text()).arg(MenuCommandId(action)));
        }
    }
}

Lines Actual(CMenuBar& bar) {
    Lines lines;
    for (int i = 0; i < bar.Buttons().size(); ++i) {
        lines.append(bar.Buttons()[i]->text() + ">");
        Describe(bar.ButtonMenu(i), "  ", &lines);
    }
    return lines;
}

// The disabled and the checked command items of a menu and its sub-menus, as shown when it opens.
void CollectStates(const QMenu* menu, std::set<int>* disabled, std::set<int>* checked) {
    for (const QAction* action : menu->actions()) {
        if (const QMenu* sub = action->menu()) {
            CollectStates(sub, disabled, checked);
        } else if (const int id = MenuCommandId(action)) {
            if (!action->isEnabled())
                disabled->insert(id);
            if (action->isChecked())
                checked->insert(id);
        }
    }
}

class MenuTest : public ShellTest {
protected:
    CCommandTable commands;
};

TEST_F(MenuTest, EveryMenuHasItsButtonsItemsAndCommands) {
    for (const int menuId :
         {IDM_TIMES, IDM_WEIGHT_BALANCE, IDM_AIRPORT_DIRECTORY, IDM_FLIGHT_PLANNING, IDM_CHECKLIST,
          IDM_TIME_ZONES, IDM_AIRPORT_DIRECTORY_V5, IDM_CHECKLIST_V5, IDM_FLIGHT_PLANNING_V5,
          IDM_TIMES_V5, IDM_TIME_ZONES_V5, IDM_WEIGHT_BALANCE_V5, IDM_LOGBOOK, IDM_LOGBOOK_V5}) {
        CMenuBar bar(commands);
        const Status loaded = bar.Load(menuId);
        ASSERT_TRUE(loaded.ok()) << loaded.error().text.toStdString();
        EXPECT_TRUE(bar.findChildren<QMenu*>().isEmpty()) << "drop-downs are built when asked for";
        const Lines expected = ExpectedMenu(menuId);
        const Lines actual = Actual(bar);
        EXPECT_EQ(actual, expected) << menuId << "\n" << actual.join('\n').toStdString();
    }
}

TEST_F(MenuTest, MissingMenusAreRefused) {
    CMenuBar bar(commands);
    const Status loaded = bar.Load(4242);
    EXPECT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.error().text.contains("4242"));
    EXPECT_TRUE(bar.Buttons().isEmpty());
}

TEST_F(MenuTest, DropDownsFitAboveTheBarOnAPortraitScreen) {
    CMenuBar bar(commands);
    ASSERT_TRUE(bar.Load(IDM_TIMES_V5).ok());
    for (int i = 0; i < bar.Buttons().size(); ++i)
        EXPECT_LE(bar.ButtonMenu(i)->sizeHint().height(), 320 - CMenuBar::kHeight)
            << bar.Buttons()[i]->text().toStdString();
}

// Every item runs something: a screen without its registration would show greyed. Only the
// resets of times not recorded are disabled at first, and the checks show the current view, the
// screen's shape and the graph options (all on by default).
TEST_F(MenuTest, EveryItemIsEnabledUnlessItsStateSaysOtherwise) {
    RegisterScreens(registry);
    const std::set<int> resets{ID_TIMES_RESET_ALL, ID_TIMES_RESET_STARTUP, ID_TIMES_RESET_TAKEOFF,
                               ID_TIMES_RESET_LANDING, ID_TIMES_RESET_SHUTDOWN};
    const std::set<int> graphOptions{ID_GRAPH_LINES, ID_GRAPH_RAMP, ID_GRAPH_TAKEOFF,
                                     ID_GRAPH_ZERO_FUEL, ID_GRAPH_LANDING};
    for (const QSize screen : {QSize(240, 320), QSize(240, 240)}) {
        const bool square = screen.width() == screen.height();
        platform.screen.SetSize(screen);
        for (const ViewInfo& view : ViewTable()) {
            CMainFrame& f = MakeFrame(view.viewId);
            CMenuBar& bar = *f.MenuBar();
            std::set<int> disabled;
            std::set<int> checked;
            for (int i = 0; i < bar.Buttons().size(); ++i) {
                bar.UpdateStates(bar.ButtonMenu(i));
                CollectStates(bar.ButtonMenu(i), &disabled, &checked);
            }
            std::set<int> expectedChecked{view.viewId};
            if (!square)
                expectedChecked.insert(ID_VIEW_PORTRAIT);    // the Orientation sub-menu
            if (square && view.viewId == kViewWeightBalance) // the Graph menu
                expectedChecked.insert(graphOptions.begin(), graphOptions.end());
            EXPECT_EQ(disabled, view.viewId == kViewTimes ? resets : std::set<int>{})
                << view.menuText << " " << screen.width() << "x" << screen.height();
            EXPECT_EQ(checked, expectedChecked)
                << view.menuText << " " << screen.width() << "x" << screen.height();
        }
    }
}

} // namespace
