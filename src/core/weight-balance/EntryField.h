#pragma once
// Reading the number of an editor field: text that is no number reads as 0, and a field that
// still shows the text it was filled with keeps the exact value behind that text, so that
// opening an editor and pressing OK never rounds a stored value to its shown digits.

#include <QString>

// The value of `text`: `shownValue` when the text is `shownText`, else the text read as a number.
double ReadEntryNumber(const QString& text, const QString& shownText, double shownValue);
// The same, read as a whole number.
double ReadEntryWhole(const QString& text, const QString& shownText, double shownValue);
// "%.1f" of the value, or "" for 0 (grid cells and optional fields).
QString EntryCellText(double value);
