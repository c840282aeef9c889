#pragma once
// Qt menus built from the menus of the resource script: a POPUP becomes a sub-menu, a MENUITEM an
// action carrying its command id as QAction::data(), SEPARATOR a separator; GRAYED items are
// disabled and CHECKED items checked. Serves the value menus of the entry fields and pop-up menus
// of the screens; the main frame's menus take their command items from the command table.

#include "core/common/resources/ResourceTypes.h"

#include <QStringList>

class CCommandTable;
class QAction;
class QMenu;

// Appends the items to a menu (sub-menus are owned by it).
void AppendMenuItems(QMenu* menu, const QVector<MenuItem>& items);
// The same for a menu of commands: each MENUITEM is the table's action of its id, given the
// item's text; the table keeps its state.
void AppendCommandItems(QMenu* menu, const QVector<MenuItem>& items, CCommandTable& commands);

// The items of the first POPUP of a menu resource; nullptr when the resource does not exist or
// holds no POPUP.
const QVector<MenuItem>* FirstSubMenuItems(int menuId);

// The command id an action carries; 0 for none (sub-menus, separators, foreign actions).
int MenuCommandId(const QAction* action);
// The first enabled command with this id, sub-menus included; nullptr when there is none.
QAction* FindMenuCommand(const QMenu* menu, int commandId);
// The texts of the menu's commands in order, sub-menus included (depth first).
QStringList MenuCommandTexts(const QMenu* menu);
