#pragma once
// Shows what a calculator's core function returned in its dialog: a notice, then either the
// stopping message (with the focus on the field it names) or the output texts in their fields,
// and the last calculator result when the calculation sets one.

#include "core/calculators/CalcResult.h"

#include <QList>
#include <QPair>

class CCalcDialog;

// The dialog's fields by the labels the core function uses (outputs, and inputs a message may
// name).
using CalcFieldIds = QList<QPair<QString, int>>;

// False when the calculation stopped (its message shown); true when the outputs were shown.
bool ShowCalcResult(CCalcDialog& dialog, const CalcResult& result, const CalcFieldIds& fields);
