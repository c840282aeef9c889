#pragma once
// Helpers of the calculator dialog tests: typing into a field as the user would, and the menu
// commands a main frame's menu bar offers enabled.

#include "ui/app/MenuBar.h"
#include "ui/framework/CalcDialog.h"
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
inline std::set<int> EnabledMenuCommands(const CMenuBar& bar, const std::set<int>& wanted) {
    std::set<int> enabled;
    for (int i = 0; i < bar.Buttons().size(); ++i)
        CollectEnabledCommands(bar, bar.ButtonMenu(i), wanted, &enabled);
    return enabled;
}
