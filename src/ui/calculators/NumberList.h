#pragma once
// The editable drop-down lists of the wind and hold calculators: whole numbers in steps.

#include "core/common/entry/FieldLimits.h"

#include <QStringList>

class QComboBox;

// "first", "first + step", ... up to and including "last".
QStringList NumberItems(int first, int last, int step);

// Fills an editable list with NumberItems, limits its text to `maxLength` characters and leaves
// the field empty (or showing `text` when given).
void FillNumberList(QComboBox* list, int first, int last, int step, const QString& text = {},
                    int maxLength = kNumberListChars);
