#include "ui/framework/MenuBuilder.h"

#include "core/common/resources/Resources.h"

#include <QMenu>
#include <QMenuBar>

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

QAction* AddCommand(QWidget* owner, const MenuItem& item) {
    auto* action = new QAction(item.text, owner);
    action->setData(item.id);
    ApplyFlags(action, item);
    owner->addAction(action);
    return action;
}

// A menu or a menu bar: both take separators, sub-menus and commands the same way.
template <typename Target> void AppendItems(Target* target, const QVector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.separator) {
            target->addSeparator();
        } else if (item.IsPopup()) {
            QMenu* sub = target->addMenu(item.text);
            ApplyFlags(sub->menuAction(), item);
            AppendItems(sub, item.children);
        } else {
            AddCommand(target, item);
        }
    }
}

} // namespace

void AppendMenuItems(QMenu* menu, const QVector<MenuItem>& items) {
    AppendItems(menu, items);
}

void FillMenuBar(QMenuBar* bar, const QVector<MenuItem>& items) {
    AppendItems(bar, items);
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
