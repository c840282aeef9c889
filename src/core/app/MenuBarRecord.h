#pragma once
// The menu-bar record that goes with a menu resource (an RCDATA of the same number): the menu id,
// the button count, then seven 16-bit words a button: image (0xFFFE = none), command id, state
// (4 = enabled), style (0x18 = drop-down, auto-size), string id of the text, 0, and the index of
// the menu's sub-menu that the button opens.

#include "core/common/Outcome.h"

#include <QVector>

struct MenuBarButton {
    int image = 0xFFFE;
    int commandId = 0;
    int state = 4;
    int style = 0x18;
    int stringId = 0;
    int subMenu = 0;

    bool operator==(const MenuBarButton&) const = default;
};

struct MenuBarRecord {
    int menuId = 0;
    QVector<MenuBarButton> buttons;
};

inline constexpr int kMenuBarWordsPerButton = 7;
inline constexpr int kMenuBarNoImage = 0xFFFE;
inline constexpr int kMenuBarStateEnabled = 0x04;
inline constexpr int kMenuBarStyleDropDown = 0x08;

// Decodes the words of a record. Fails, naming the record, when the words are fewer or more than
// the button count needs, or when a button's sub-menu index is outside 0..subMenuCount - 1.
Outcome<MenuBarRecord> DecodeMenuBarRecord(int resourceId, const QVector<int>& words,
                                           int subMenuCount);
