#include "ui/app/MenuBar.h"

#include "core/app/MenuBarRecord.h"
#include "core/common/resources/Resources.h"
#include "resource.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/ColourScheme.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/MenuBuilder.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

namespace {

void ApplyMenuFont(QMenu* menu) {
    menu->setFont(DialogFont());
    SetSchemeStyleSheet(menu, SchemeSheet::Menu);
    for (QAction* action : menu->actions())
        if (QMenu* sub = action->menu())
            ApplyMenuFont(sub);
}

} // namespace

CMenuBar::CMenuBar(CCommandTable& commands, QWidget* parent)
    : QWidget(parent), commands_(commands) {
    setFont(DialogFont());
    setFixedHeight(kHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 1);
    layout->setSpacing(0);
    layout->addStretch(1);
    help_ = new QToolButton(this);
    help_->setText(QStringLiteral("?"));
    help_->setToolTip(QStringLiteral("Help"));
    help_->setAutoRaise(true);
    help_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(help_);
    connect(help_, &QToolButton::clicked, this, [this] { commands_.Run(ID_HELP); });
}

Status CMenuBar::Load(int menuId) {
    const MenuTemplate* menu = FindMenuTemplate(menuId);
    const QVector<int>* words = FindRawData(menuId);
    if (menu == nullptr || words == nullptr)
        return Status::Fail(QStringLiteral("Menu %1 or its menu bar is missing.").arg(menuId));
    const Outcome<MenuBarRecord> record =
        DecodeMenuBarRecord(menuId, *words, static_cast<int>(menu->items.size()));
    if (!record.ok())
        return Status(record.error());
    for (const MenuBarButton& button : record->buttons) {
        if (!menu->items[button.subMenu].IsPopup())
            return Status::Fail(QStringLiteral("Menu bar %1: item %2 of the menu is no sub-menu.")
                                    .arg(menuId)
                                    .arg(button.subMenu));
    }
    for (const MenuBarButton& button : record->buttons)
        AddButton(LoadString(button.stringId), menu->items[button.subMenu].children);
    menuId_ = menuId;
    return {};
}

QMenu* CMenuBar::ButtonMenu(int index) {
    if (index < 0 || index >= menus_.size())
        return nullptr;
    if (menus_[index] == nullptr)
        menus_[index] = BuildMenu(menuItems_[index]);
    return menus_[index];
}

void CMenuBar::AddButton(const QString& text, const QVector<MenuItem>& items) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    auto* row = static_cast<QHBoxLayout*>(layout());
    const int index = static_cast<int>(buttons_.size());
    row->insertWidget(index, button);
    buttons_.append(button);
    menuItems_.append(items);
    menus_.append(nullptr);
    connect(button, &QToolButton::clicked, this, [this, index] { OpenMenu(index); });
}

QMenu* CMenuBar::BuildMenu(const QVector<MenuItem>& items) {
    auto* menu = new QMenu(this);
    AppendCommandItems(menu, items, commands_);
    ApplyMenuFont(menu);
    return menu;
}

void CMenuBar::OpenMenu(int index) {
    QMenu* menu = ButtonMenu(index);
    UpdateStates(menu);
    // The menu opens upwards from the bar, its left edge on the button's.
    QPoint at = buttons_[index]->mapToGlobal(QPoint(0, 0));
    at.ry() -= menu->sizeHint().height();
    menu->popup(at);
}

void CMenuBar::UpdateStates(QMenu* menu) const {
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu()) {
            UpdateStates(sub);
            continue;
        }
        if (const int id = MenuCommandId(action))
            commands_.Refresh(id);
    }
}

void CMenuBar::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width(), 0);
}
