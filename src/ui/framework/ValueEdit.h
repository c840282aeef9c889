#pragma once
// A numeric entry field with a value menu: tap and hold (a long press of about half a second,
// or a right click on a desktop) pops up typical values. The menu is the first sub-menu of a
// menu resource, or else a generated range 0, step, 2 x step ... up to a maximum ("%u", command
// ids ID_VALUE_BASE + value). The last calculator result, when there is one, is offered first
// ("%.1f", command ID_VALUE_LAST_RESULT). A chosen value becomes the field's text, or, with the
// forward flag, goes to the owner as a command (CommandForwarded).

#include "resource.h"

#include <QLineEdit>
#include <QTimer>

#include <functional>
#include <memory>

class QMenu;

class CValueEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kLastResultCommand = ID_VALUE_LAST_RESULT;
    static constexpr int kRangeCommandBase = ID_VALUE_BASE;
    static constexpr int kHoldMilliseconds = 500;
    // A generated range never holds more items than this.
    static constexpr int kMaxRangeItems = 1000;

    explicit CValueEdit(QWidget* parent = nullptr);

    // The menu resource whose first sub-menu is the value menu; 0 = none.
    void SetMenuResource(int menuId) { menuId_ = menuId; }
    int MenuResource() const { return menuId_; }
    // The generated range used when no menu resource is set; maximum 0 = none, step below 1
    // counts as 1.
    void SetRange(int maximum, int step = 1);
    // A menu made afresh at every hold (a route's recent places), used instead of the resource
    // and range menus and without the last calculator result.
    void SetMenuFactory(std::function<std::unique_ptr<QMenu>()> factory) {
        menuFactory_ = std::move(factory);
    }
    void SetForward(bool forward) { forward_ = forward; }
    bool Forward() const { return forward_; }

    // The value menu as it would be shown now; nullptr when the field has none.
    std::unique_ptr<QMenu> CreateValueMenu() const;
    // Shows the value menu at a screen position (through the platform) and applies the choice.
    void ShowValueMenu(const QPoint& globalPos);

    // A press is being held and has not moved: the hold timer runs.
    bool HoldPending() const { return holdTimer_.isActive(); }
    // The hold has lasted long enough: what the hold timer does when it runs out (shows the value
    // menu where the press is). Tests call it instead of waiting.
    void CompleteHold();

signals:
    // With the forward flag: the command id of the chosen menu item.
    void CommandForwarded(int commandId);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ApplyChoice(const QAction* action);

    int menuId_ = 0;
    std::function<std::unique_ptr<QMenu>()> menuFactory_;
    int maximum_ = 0;
    int step_ = 1;
    bool forward_ = false;
    QTimer holdTimer_;
    QPoint pressPos_;
    QMenu* shownMenu_ = nullptr; // the pop-up while it is shown
};
