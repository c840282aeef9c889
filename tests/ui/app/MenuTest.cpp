// The twelve menus with their menu-bar buttons, item texts, sub-menus and command ids, and the
// rules that enable and check their items.
#include "ShellFixture.h"
#include "ui/document/ViewCommands.h"

#include "core/app/ViewTable.h"
#include "resource.h"
#include "ui/app/MenuBar.h"
#include "ui/app/ScreenRegistrations.h"
#include "ui/framework/MenuBuilder.h"

#include <QMenu>
#include <QToolButton>

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

Lines FileMenu(const QString& save, const QString& open) {
    Lines items;
    if (!save.isEmpty())
        items << Item(save, 57603);
    if (!open.isEmpty())
        items << Item(open, 57601) << kSeparator;
    items << Item("Preferences...", 32957) << Item("About", 33105) << kSeparator
          << Item("Exit", 32853);
    return Popup("File", items);
}

Lines EditMenu(const QString& extra = {}, int extraId = 0) {
    Lines items = Item("Aircraft...", 33038) + Item("Waypoints...", 33035);
    if (!extra.isEmpty())
        items << kSeparator << Item(extra, extraId);
    return Popup("Edit", items);
}

Lines ViewMenu(bool secondSet) {
    Lines items = Item("Times", 32881) + Item("Weight - Balance", 32880) +
                  Item("Airport Directory", 32954) + Item("Flight Planning", 33030) +
                  Item("Checklist", 33123) + Item("Time Zones", 33127);
    if (secondSet)
        items << kSeparator
              << Popup("Orientation", Item("Portrait", 33131) + Item("Landscape (Right)", 33134) +
                                          Item("Landscape (Left)", 33133));
    return Popup("View", items);
}

Lines CalcMenu() {
    return Popup(
        "Calc", Item("Ground Speed...", 32781) + Item("Heading/Time...", 32956) +
                    Popup("Winds", Item("Find Wind...", 32826) + Item("Cross Wind...", 32780)) +
                    Popup("Altitude", Item("Density Altitude...", 32777) +
                                          Item("Pressure Altitude...", 32803) +
                                          Item("True Airspeed...", 32778) + Item("MACH...", 32823) +
                                          Item("Standard Temp...", 32779)) +
                    Item("Descent Rate...", 32828) +
                    Popup("Holds", Item("Times...", 33117) + Item("View...", 33118)) + kSeparator +
                    Item("Distance/Track...", 33031) + Item("Sun Rise - Sun Set...", 32874) +
                    kSeparator + Item("Time/Speed/Distance...", 33119) + Item("Time...", 32815) +
                    Item("Fuel Burn...", 33120) + Item("Fuel Quantity...", 32870) +
                    Item("Weight Shift...", 33122));
}

Lines ConvertMenu() {
    return Popup("Convert",
                 Item("Fahrenheit <> Celsius...", 32809) + Item("Millibars <> Inches...", 32862) +
                     Item("Pounds <> Kilograms...", 32824) + Item("Feet <> Metres...", 32876) +
                     Item("Inches <> Centimetres...", 33116) +
                     Item("Inches <> Millimetres...", 33114) + kSeparator +
                     Item("Knots, Miles, Kilometres...", 32813) +
                     Item("Gallons <> Litres...", 32811));
}

Lines TimesMenu() {
    return Popup("Times", Item("Reset All", 32851) + Item("Reset Startup Time", 32796) +
                              Item("Reset Takeoff Time", 32797) +
                              Item("Reset Landing Time", 32798) +
                              Item("Reset Shutdown Time", 32799) + kSeparator +
                              Item("Local Time", 32849) + Item("Show HH:MM", 32850) + kSeparator +
                              Item("Copy", 32873) + Item("Copy to Verol Flight Log...", 33090) +
                              kSeparator + Item("Timers...", 32858));
}

Lines GraphMenu() {
    return Popup("Graph", Item("Lines", 33140) + Item("Ramp", 33141) + Item("Takeoff", 33142) +
                              Item("Zero fuel", 33143) + Item("Landing", 33144));
}

// The buttons of a menu's bar, each followed by the items of the menu it opens.
Lines ExpectedMenu(int menuId) {
    const bool second = menuId >= 158;
    const Lines common = CalcMenu() + ConvertMenu();
    switch (menuId) {
    case 128:
    case 161:
        return FileMenu({}, {}) + EditMenu("GPS...", 33126) + ViewMenu(second) + common +
               TimesMenu();
    case 129:
        return FileMenu("Save weight && balance...", "Open weight && balance...") + EditMenu() +
               ViewMenu(false) + GraphMenu() + common;
    case 163:
        return FileMenu("Save weight && balance...", "Open weight && balance...") + EditMenu() +
               ViewMenu(true) + common;
    case 143:
    case 160:
        return FileMenu("Save flight plan...", "Open flight plan...") + EditMenu() +
               ViewMenu(second) + common;
    case 157:
    case 162:
        return FileMenu({}, {}) + EditMenu("Time Zones...", 33128) + ViewMenu(second) + common;
    case 141:
    case 158:
        return FileMenu({}, "Open airport file...") + EditMenu() + ViewMenu(second) + common;
    default: // 156/159 checklist
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

Lines Actual(const CMenuBar& bar) {
    Lines lines;
    for (int i = 0; i < bar.Buttons().size(); ++i) {
        lines.append(bar.Buttons()[i]->text() + ">");
        Describe(bar.ButtonMenu(i), "  ", &lines);
    }
    return lines;
}

QList<QAction*> Commands(const QMenu* menu) {
    QList<QAction*> commands;
    for (QAction* action : menu->actions()) {
        if (const QMenu* sub = action->menu())
            commands += Commands(sub);
        else if (MenuCommandId(action) != 0)
            commands.append(action);
    }
    return commands;
}

class MenuTest : public ShellTest {};

TEST_F(MenuTest, EveryMenuHasItsButtonsItemsAndCommands) {
    for (const int menuId : {128, 129, 141, 143, 156, 157, 158, 159, 160, 161, 162, 163}) {
        CMenuBar bar({});
        const Status loaded = bar.Load(menuId);
        ASSERT_TRUE(loaded.ok()) << loaded.error().text.toStdString();
        const Lines expected = ExpectedMenu(menuId);
        const Lines actual = Actual(bar);
        EXPECT_EQ(actual, expected) << menuId << "\n" << actual.join('\n').toStdString();
    }
}

TEST_F(MenuTest, MissingMenusAreRefused) {
    CMenuBar bar({});
    const Status loaded = bar.Load(4242);
    EXPECT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.error().text.contains("4242"));
    EXPECT_TRUE(bar.Buttons().isEmpty());
}

TEST_F(MenuTest, DropDownsFitAboveTheBarOnAPortraitScreen) {
    CMenuBar bar({});
    ASSERT_TRUE(bar.Load(IDM_TIMES_V5).ok());
    for (int i = 0; i < bar.Buttons().size(); ++i)
        EXPECT_LE(bar.ButtonMenu(i)->sizeHint().height(), 320 - CMenuBar::kHeight)
            << bar.Buttons()[i]->text().toStdString();
}

TEST_F(MenuTest, ItemsAreEnabledAndCheckedByTheirRules) {
    RegisterScreens(registry); // the screens that exist
    for (const ViewInfo& view : ViewTable()) {
        CMainFrame& f = MakeFrame(view.viewId);
        CMenuBar& bar = *f.MenuBar();
        for (int i = 0; i < bar.Buttons().size(); ++i) {
            bar.UpdateStates(bar.ButtonMenu(i));
            for (const QAction* action : Commands(bar.ButtonMenu(i))) {
                const int id = MenuCommandId(action);
                bool enabled = registry.HasCommand(id);
                bool checked = false;
                if (FindView(id)) {
                    enabled = true;
                    checked = id == view.viewId;
                } else if (id == ID_FILE_EXIT || id == ID_VIEW_PORTRAIT) {
                    enabled = true;
                    checked = id == ID_VIEW_PORTRAIT;
                } else if (id == ID_VIEW_LANDSCAPE_LEFT || id == ID_VIEW_LANDSCAPE_RIGHT) {
                    enabled = true; // this screen turns both ways
                } else if (const auto* commands = dynamic_cast<CViewCommands*>(f.ActiveView())) {
                    // The view's own commands (file open and save, graph options) follow it.
                    CommandState state{enabled, checked};
                    commands->UpdateViewCommand(id, &state);
                    enabled = state.enabled;
                    checked = state.checked;
                }
                EXPECT_EQ(action->isEnabled(), enabled)
                    << view.menuText << ": " << action->text().toStdString();
                EXPECT_EQ(action->isChecked(), checked)
                    << view.menuText << ": " << action->text().toStdString();
            }
        }
        frame.reset();
    }
    EXPECT_TRUE(registry.HasCommand(ID_APP_ABOUT));
}

} // namespace
