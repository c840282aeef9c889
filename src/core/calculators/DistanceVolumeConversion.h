#pragma once
// The "Distance Conversion" and "Gallons-Litres" dialogs: a value in one of three units shown in
// the two others.

#include "core/calculators/CalcResult.h"

#include <QStringList>

enum class ConversionKind { Distance, Volume };

// The three units in list order: "Statute Miles", "Nautical Miles", "Kilometres" or
// "US Gallons", "Imp. Gallons", "Litres".
QStringList ConversionUnits(ConversionKind kind);
// The two target units of a source unit (the output labels), in output order; empty for an
// index out of range.
QStringList ConversionTargets(ConversionKind kind, int sourceIndex);

// The input text in the source unit converted into the two targets, labelled with their units
// and shown "%.01f". A distance that is not 0 has 0.05 added before it is shown (1 statute mile
// shows 0.9 nautical miles and 1.7 kilometres); volumes are shown as computed. A source index
// out of range gives no outputs.
CalcResult ConvertDistanceOrVolume(ConversionKind kind, int sourceIndex, const QString& input);
