#pragma once
// Makes names fit the narrow alphabets of plan files and of user waypoints: letters lose their
// accents and become capitals, and what no alphabet holds is dropped or becomes a space.

#include <QString>

#include <functional>

// At most `maxLength` of A-Z and 0-9: "Zürich-2" gives "ZURICH2". "" when nothing is left.
QString FitIdentifier(const QString& text, int maxLength);

// At most 25 of A-Z, 0-9, space and "/": every other character becomes a space, runs of spaces
// one space, none at either end ("Seattle-Tacoma Intl" gives "SEATTLE TACOMA INTL").
QString FitComment(const QString& text);
inline constexpr int kMaxCommentLength = 25;

// `base` when it is free, else the first free one of base + "2", base + "3", ... with the base
// cut so that each has at most `maxLength` characters; an empty base is "WPT". `taken` says
// whether an identifier is in use. "" only when every numbered form up to 99999 is taken.
QString UniqueIdentifier(const QString& base, int maxLength,
                         const std::function<bool(const QString&)>& taken);
