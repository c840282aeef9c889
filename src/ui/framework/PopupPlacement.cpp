#include "ui/framework/PopupPlacement.h"

#include "ui/framework/DeviceScreen.h"
#include "ui/framework/Platform.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>

#include <algorithm>

namespace {

int Clamp(int start, int length, int low, int high) {
    // A pop-up longer than the screen keeps its start on the screen.
    return std::max(low, std::min(start, high - length));
}

class PopupKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow() && widget->windowType() == Qt::Popup)
                Place(widget);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The window whose device screen the pop-up belongs to: the first window up its parents
    // that is no pop-up itself (a sub-menu's parent is a menu), else the active window.
    static const QWidget* DeviceWindow(const QWidget* popup) {
        const QWidget* owner = popup->parentWidget();
        while (owner && owner->window()->windowType() == Qt::Popup)
            owner = owner->window()->parentWidget();
        return owner ? owner->window() : QApplication::activeWindow();
    }

    static void Place(QWidget* popup) {
        const QWidget* device = DeviceWindow(popup);
        if (!device || device == popup)
            return;
        const QRect screen(device->mapToGlobal(QPoint(0, 0)), CurrentPlatform().Screen().Size());
        QRect parentMenu;
        if (const auto* menu = qobject_cast<QMenu*>(popup)) {
            if (const auto* parent = qobject_cast<QMenu*>(menu->parentWidget());
                parent && parent->isVisible())
                parentMenu = parent->geometry();
        }
        const QRect placed = PlacePopup(popup->geometry(), screen, parentMenu);
        if (placed != popup->geometry())
            popup->move(placed.topLeft());
    }
};

} // namespace

QRect PlacePopup(const QRect& popup, const QRect& screen, const QRect& parentMenu) {
    QRect placed = popup;
    if (!parentMenu.isNull() && placed.right() > screen.right())
        placed.moveLeft(parentMenu.left() - placed.width());
    placed.moveLeft(Clamp(placed.left(), placed.width(), screen.left(), screen.right() + 1));
    placed.moveTop(Clamp(placed.top(), placed.height(), screen.top(), screen.bottom() + 1));
    return placed;
}

void KeepPopupsOnDeviceScreen(QApplication& application) {
    static PopupKeeper* keeper = nullptr;
    if (keeper)
        return;
    keeper = new PopupKeeper(&application);
    application.installEventFilter(keeper);
}
