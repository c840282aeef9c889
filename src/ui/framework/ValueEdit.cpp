#include "ui/framework/ValueEdit.h"

#include "core/common/text/Format.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/MenuBuilder.h"
#include "ui/framework/Platform.h"
#include "ui/framework/WholeText.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

CValueEdit::CValueEdit(QWidget* parent) : QLineEdit(parent) {
    holdTimer_.setSingleShot(true);
    holdTimer_.setInterval(kHoldMilliseconds);
    connect(&holdTimer_, &QTimer::timeout, this, &CValueEdit::CompleteHold);
}

void CValueEdit::CompleteHold() {
    holdTimer_.stop();
    ShowValueMenu(mapToGlobal(pressPos_));
}

void CValueEdit::SetRange(int maximum, int step) {
    maximum_ = maximum;
    step_ = step < 1 ? 1 : step;
}

std::unique_ptr<QMenu> CValueEdit::CreateValueMenu() const {
    if (menuFactory_)
        return menuFactory_();
    auto menu = std::make_unique<QMenu>();
    if (menuId_ != 0) {
        const QVector<MenuItem>* items = FirstSubMenuItems(menuId_);
        if (!items)
            return nullptr;
        AppendMenuItems(menu.get(), *items);
    } else if (maximum_ > 0) {
        const int64_t last = std::min<int64_t>(maximum_, int64_t{step_} * (kMaxRangeItems - 1));
        for (int64_t value = 0; value <= last; value += step_) {
            QAction* action = menu->addAction(FormatText("%u", static_cast<unsigned>(value)));
            action->setData(static_cast<int>(kRangeCommandBase + value));
        }
    } else {
        return nullptr;
    }
    const double lastResult = CurrentAppState().lastCalcResult;
    if (lastResult != 0.0) {
        auto* action = new QAction(FormatText("%.1f", lastResult), menu.get());
        action->setData(kLastResultCommand);
        menu->insertAction(menu->actions().value(0), action);
    }
    return menu;
}

void CValueEdit::ShowValueMenu(const QPoint& globalPos) {
    holdTimer_.stop();
    if (shownMenu_)
        return;
    std::unique_ptr<QMenu> menu = CreateValueMenu();
    if (!menu)
        return;
    shownMenu_ = menu.get();
    const QAction* chosen = CurrentPlatform().TrackPopupMenu(menu.get(), globalPos);
    shownMenu_ = nullptr;
    if (chosen)
        ApplyChoice(chosen);
}

void CValueEdit::ApplyChoice(const QAction* action) {
    const int id = MenuCommandId(action);
    // The chosen text goes in whole: the field's limit is for typing, and a cut number would
    // be computed with silently.
    if (id == kLastResultCommand)
        SetWholeText(this, FormatText("%.1f", CurrentAppState().lastCalcResult));
    else if (forward_)
        emit CommandForwarded(id);
    else
        SetWholeText(this, action->text().left(80));
}

void CValueEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        pressPos_ = event->position().toPoint();
        holdTimer_.start();
    }
}

void CValueEdit::mouseMoveEvent(QMouseEvent* event) {
    if (holdTimer_.isActive() && (event->position().toPoint() - pressPos_).manhattanLength() >
                                     QApplication::startDragDistance())
        holdTimer_.stop();
    QLineEdit::mouseMoveEvent(event);
}

void CValueEdit::mouseReleaseEvent(QMouseEvent* event) {
    holdTimer_.stop();
    QLineEdit::mouseReleaseEvent(event);
}

void CValueEdit::contextMenuEvent(QContextMenuEvent* event) {
    // A right click (or the platform's context-menu gesture) counts as tap-and-hold.
    event->accept();
    ShowValueMenu(event->globalPos());
}
