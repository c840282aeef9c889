#pragma once
// Helpers of the calculator dialog tests: typing into a field as the user would, and the menu
// commands a main frame's menu bar offers enabled.

#include "core/app/ViewTable.h"
#include "ui/app/MainFrame.h"
#include "ui/app/MenuBar.h"
#include "ui/framework/CalcDialog.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/MenuBuilder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

// Replaces the text of a field (or of a list's edit part) by typing it.
inline void TypeInto(CCalcDialog& dialog, int id, const QString& text) {
    QWidget* control = dialog.GetDlgItem(id);
    ASSERT_NE(control, nullptr) << id;
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        edit = combo->lineEdit();
    ASSERT_NE(edit, nullptr) << id;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// The enabled items among `wanted` in a menu and its sub-menus.
inline void CollectEnabledCommands(const CMenuBar& bar, QMenu* menu, const std::set<int>& wanted,
                                   std::set<int>* enabled) {
    bar.UpdateStates(menu);
    for (QAction* action : menu->actions()) {
        if (action->menu())
            CollectEnabledCommands(bar, action->menu(), wanted, enabled);
        else if (wanted.count(MenuCommandId(action)) && action->isEnabled())
            enabled->insert(MenuCommandId(action));
    }
}

// The enabled items among `wanted` in all the menus of a menu bar.
inline std::set<int> EnabledMenuCommands(CMenuBar& bar, const std::set<int>& wanted) {
    std::set<int> enabled;
    for (int i = 0; i < bar.Buttons().size(); ++i)
        CollectEnabledCommands(bar, bar.ButtonMenu(i), wanted, &enabled);
    return enabled;
}

// Checks that every view offers `wanted` enabled, with the second menu set (240x320) and the
// first (square screen).
inline void ExpectEnabledInEveryView(CTrevallionDoc& document, const ScreenRegistry& registry,
                                     DeviceScreen& screen, const std::set<int>& wanted) {
    for (QSize size : {QSize(240, 320), QSize(240, 240)}) {
        screen.SetSize(size);
        for (const ViewInfo& view : ViewTable()) {
            CMainFrame frame(document, registry);
            ASSERT_TRUE(frame.Create(view.viewId)) << frame.CreateError().toStdString();
            EXPECT_EQ(EnabledMenuCommands(*frame.MenuBar(), wanted), wanted)
                << view.title << " " << size.width();
        }
    }
}
