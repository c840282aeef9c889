#pragma once
// The keys that step the checklist runner on like its large button: the hardware a pilot uses on
// a desktop or tablet (Space, Enter, Page Down, Right and Down arrows) and the buttons of page
// turners and presentation clickers, which send Page Down, Right or the media "next" key.

#include <Qt>

// True for a stepping key pressed without Ctrl, Alt or Meta (Shift and the keypad are allowed).
bool IsChecklistStepKey(int key, Qt::KeyboardModifiers modifiers);
