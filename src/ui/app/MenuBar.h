#pragma once
// The menu bar at the bottom of the screen, as on the handheld: a row of buttons built from a menu
// resource and its menu-bar record, each opening one sub-menu of the menu upwards, and a help
// button at the right end (the help command). The command items are the command table's actions;
// before a menu opens, every item takes its enabled and checked state from the table.

#include "core/common/Outcome.h"
#include "core/common/resources/ResourceTypes.h"

#include <QList>
#include <QWidget>

class CCommandTable;
class QMenu;
class QToolButton;

class CMenuBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 26;

    // The table must outlive the bar.
    explicit CMenuBar(CCommandTable& commands, QWidget* parent = nullptr);

    // Builds the buttons of a menu resource. Fails (with the reason, and no buttons) when the menu
    // or its menu-bar record is missing or does not fit the menu.
    Status Load(int menuId);
    int MenuId() const { return menuId_; }

    // The drop-down buttons in order, with the menus they open. A menu is built the first time
    // it opens or is asked for: building every drop-down up front would slow the start.
    const QList<QToolButton*>& Buttons() const { return buttons_; }
    QMenu* ButtonMenu(int index);
    QToolButton* HelpButton() const { return help_; }

    // Applies the current command states to the items of a menu and its sub-menus.
    void UpdateStates(QMenu* menu) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void AddButton(const QString& text, const QVector<MenuItem>& items);
    QMenu* BuildMenu(const QVector<MenuItem>& items);
    void OpenMenu(int index);

    CCommandTable& commands_;
    int menuId_ = 0;
    QList<QToolButton*> buttons_;
    QList<QVector<MenuItem>> menuItems_; // the items of each button's menu
    QList<QMenu*> menus_;                // nullptr until built
    QToolButton* help_ = nullptr;
};
