#pragma once
// The .fp flight plan files: five "key=value" lines ended by CR LF (Aircraft, TAS, Route, WindDir
// with "-" before a magnetic direction, WindSpeed), 8-bit text.

#include "core/common/Outcome.h"
#include "core/planning/PlanInputs.h"

// "<documents>/Orvenda/Plan", where the plan file dialogs start.
QString FlightPlanFolder();

QString MakeFlightPlanText(const PlanInputs& inputs);
// Each key is found on its own anywhere in the text; its value runs to the next CR. A missing
// key, or a value without a CR after it, gives "".
PlanInputs ParseFlightPlanText(const QString& text);

// The file's text. Fails with "Error, Unable to open file.\n" and the reason when it cannot be
// read, is larger than a plan file can be, or holds bytes that are no text (a wrong file).
Outcome<QString> ReadFlightPlanFile(const QString& path);
// Writes the text through the atomic writer; fails with "Error, Unable to save file.\n" and the
// reason.
Status WriteFlightPlanFile(const QString& path, const PlanInputs& inputs);

// "Unknown aircraft type in flight plan.\n": a plan whose type the fleet does not hold.
inline constexpr const char* kUnknownPlanAircraftText = "Unknown aircraft type in flight plan.\n";
