#pragma once
// Shows what a calculator's core function returned in its dialog: the input fields it rewrote
// ("0" -> "360"), a notice, then either the stopping message (with the focus on the field it
// names, and the outputs a stopped calculation still shows) or the output texts in their fields,
// and the last calculator result when the calculation sets one.

#include "core/calculators/CalcResult.h"

#include <QList>
#include <QPair>

class CCalcDialog;

// The dialog's fields by the labels the core function uses (outputs, and inputs a message may
// name or the calculation may rewrite).
using CalcFieldIds = QList<QPair<QString, int>>;

// False when the calculation stopped (its message shown); true when the outputs were shown.
bool ShowCalcResult(CCalcDialog& dialog, const CalcResult& result, const CalcFieldIds& fields);
