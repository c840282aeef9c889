#include "ui/framework/FirstFrameProbe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Quits once the first paint of a window has been handled (the frame then reaches the screen
// before the event loop looks again).
class CFirstFrameProbe : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->isWindow()) {
                painted_ = true;
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        }
        return false;
    }

private:
    bool painted_ = false;
};

} // namespace

void InstallFirstFrameProbe(QApplication& app) {
    if (qEnvironmentVariableIsEmpty("TREVALLION_QUIT_AFTER_FIRST_FRAME"))
        return;
    app.installEventFilter(new CFirstFrameProbe(&app));
}
