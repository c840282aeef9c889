// The comparison for the start-up benchmark: a bare Qt Widgets window of the device screen's
// size with a label and a menu bar, measured exactly as the program (bench/start-up.py).
#include "ui/framework/FirstFrameProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallFirstFrameProbe(app);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Trevallion")));
    window.resize(240, 320);
    window.show();
    return QApplication::exec();
}
