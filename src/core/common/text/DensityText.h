#pragma once
// Switching the shown fuel densities between pounds per gallon and kilos per litre.

#include <QString>

// The shown density text converted to the other unit and shown again with "%.2f". Each switch
// works on the rounded text, so switching there and back may not return the first value
// (7.00 -> 0.83 -> 7.03).
QString ConvertDensityText(const QString& shown, bool toKilosPerLitre);
