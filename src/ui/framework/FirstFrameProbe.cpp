#include "ui/framework/FirstFrameProbe.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

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
                if (qobject_cast<QDialog*>(widget) != nullptr)
                    RefuseDialog(*widget);
                painted_ = true;
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        }
        return false;
    }

private:
    [[noreturn]] static void RefuseDialog(const QWidget& dialog) {
        std::fprintf(stderr, "first frame: the dialog \"%s\" came before the main window\n",
                     qPrintable(dialog.windowTitle()));
        std::fflush(stderr);
        std::_Exit(3);
    }

    bool painted_ = false;
};

} // namespace

void InstallFirstFrameProbe(QApplication& app) {
    if (qEnvironmentVariableIsEmpty("TREVALLION_QUIT_AFTER_FIRST_FRAME"))
        return;
    app.installEventFilter(new CFirstFrameProbe(&app));
}
