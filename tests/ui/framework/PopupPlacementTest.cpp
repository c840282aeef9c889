#include "ui/framework/PopupPlacement.h"

#include "support/ScriptedPlatform.h"

#include <QApplication>
#include <QMenu>
#include <QtTest>

#include <gtest/gtest.h>

namespace {

TEST(PopupPlacement, MovesPopupsInsideTheScreenAndFlipsSubMenus) {
    const QRect screen(100, 50, 240, 320); // the device screen inside a desktop window
    const QRect menu(120, 200, 90, 60);    // a menu already on the screen
    const struct {
        const char* what;
        QRect popup;
        QRect parent;
        QRect expected;
    } cases[] = {
        {"inside", menu, {}, menu},
        {"past the right edge", {300, 100, 90, 60}, {}, {250, 100, 90, 60}},
        {"past the bottom", {120, 350, 90, 60}, {}, {120, 310, 90, 60}},
        {"above the top", {120, 10, 90, 60}, {}, {120, 50, 90, 60}},
        {"sub-menu flips left", {310, 220, 100, 40}, {220, 200, 90, 60}, {120, 220, 100, 40}},
        {"flipped sub-menu kept inside",
         {195, 220, 150, 40},
         {105, 200, 90, 60},
         {100, 220, 150, 40}},
        {"sub-menu that fits stays", {210, 220, 80, 40}, menu, {210, 220, 80, 40}},
        {"taller than the screen", {120, 10, 90, 400}, {}, {120, 50, 90, 400}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacePopup(c.popup, screen, c.parent), c.expected) << c.what;
}

// A menu opened near the bottom-right corner of the window lands inside its device screen.
TEST(PopupPlacement, AMenuOpenedAtTheCornerStaysOnTheDeviceScreen) {
    ScriptedPlatform platform;
    KeepPopupsOnDeviceScreen(*qApp);
    QWidget window;
    window.resize(240, 320);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QMenu menu(&window);
    for (const char* text : {"Density Altitude...", "Pressure Altitude...", "True Airspeed..."})
        menu.addAction(QString::fromLatin1(text));
    menu.popup(window.mapToGlobal(QPoint(230, 310)));
    QCoreApplication::processEvents();
    const QRect screen(window.mapToGlobal(QPoint(0, 0)), QSize(240, 320));
    EXPECT_TRUE(screen.contains(menu.geometry()));
    menu.close();
}

} // namespace
