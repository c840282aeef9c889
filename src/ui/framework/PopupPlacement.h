#pragma once
// Keeps pop-ups (menus, sub-menus, drop-down lists) inside the device screen. In a desktop
// window the device screen is a small part of the monitor, and Qt would place pop-ups anywhere
// on the monitor; on the device they must stay on its screen.

#include <QRect>

class QApplication;

// Where a pop-up of the rectangle `popup` goes inside `screen`. A sub-menu (`parentMenu` not
// empty) that would cross the right edge opens to the left of its parent menu instead; then the
// pop-up is moved (never resized) to lie inside the screen as far as its size allows.
QRect PlacePopup(const QRect& popup, const QRect& screen, const QRect& parentMenu = QRect());

// Places every pop-up the application shows from now on inside the device screen of the active
// window (its top-left corner and the platform's device screen size).
void KeepPopupsOnDeviceScreen(QApplication& application);
