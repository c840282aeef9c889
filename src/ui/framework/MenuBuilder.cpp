#include "ui/framework/MenuBuilder.h"

#include "core/common/resources/Resources.h"
#include "ui/framework/CommandTable.h"

#include <QMenu>

#include <functional>

namespace {

void ApplyFlags(QAction* action, const MenuItem& item) {
    if (item.flags.contains(QStringLiteral("GRAYED")) ||
        item.flags.contains(QStringLiteral("DISABLED")))
        action->setEnabled(false);
    if (item.flags.contains(QStringLiteral("CHECKED"))) {
        action->setCheckable(true);
        action->setChecked(true);
    }
}

// Makes (or finds) the action of a MENUITEM and adds it to the menu.
using AddCommand = std::function<void(QMenu* menu, const MenuItem& item)>;

void AppendItems(QMenu* menu, const QVector<MenuItem>& items, const AddCommand& addCommand) {
    for (const MenuItem& item : items) {
        if (item.separator) {
            menu->addSeparator();
        } else if (item.IsPopup()) {
            QMenu* sub = menu->addMenu(item.text);
            ApplyFlags(sub->menuAction(), item);
            AppendItems(sub, item.children, addCommand);
        } else {
            addCommand(menu, item);
        }
    }
}

} // namespace

void AppendMenuItems(QMenu* menu, const QVector<MenuItem>& items) {
    AppendItems(menu, items, [](QMenu* target, const MenuItem& item) {
        auto* action = new QAction(item.text, target);
        action->setData(item.id);
        ApplyFlags(action, item);
        target->addAction(action);
    });
}

void AppendCommandItems(QMenu* menu, const QVector<MenuItem>& items, CCommandTable& commands) {
    AppendItems(menu, items, [&commands](QMenu* target, const MenuItem& item) {
        QAction* action = commands.Action(item.id);
        action->setText(item.text);
        target->addAction(action);
    });
}

const QVector<MenuItem>* FirstSubMenuItems(int menuId) {
    const MenuTemplate* it = FindMenuTemplate(menuId);
    if (it == nullptr)
        return nullptr;
    for (const MenuItem& item : it->items)
        if (item.IsPopup())
            return &item.children;
    return nullptr;
}

int MenuCommandId(const QAction* action) {
    if (!action || action->menu() || action->isSeparator())
        return 0;
    return action->data().toInt();
}

QAction* FindMenuCommand(const QMenu* menu, int commandId) {
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu()) {
            if (QAction* found = FindMenuCommand(sub, commandId))
                return found;
        } else if (action->isEnabled() && MenuCommandId(action) == commandId) {
            return action;
        }
    }
    return nullptr;
}

QStringList MenuCommandTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (const QMenu* sub = action->menu())
            texts += MenuCommandTexts(sub);
        else if (!action->isSeparator())
            texts.append(action->text());
    }
    return texts;
}
