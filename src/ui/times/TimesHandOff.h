#pragma once
// The Times menu's two ways of handing the recorded times on: "Copy" (the clipboard) and "Copy to
// Verol Flight Log..." (the separate flight-log program's command line). Both show their own
// messages, titled with the Times view's title.

#include "core/times/FlightTimes.h"

class CCustomFormView;
class TimesDisplay;

// Puts the text on the clipboard and checks that it arrived; a clipboard that refuses it shows
// "Cannot set clipboard data".
void CopyTimesToClipboard(CCustomFormView* view, const QString& text);

// Starts the flight-log program with the times, or shows why it cannot.
void HandTimesToFlightLog(CCustomFormView* view, const FlightTimes& times,
                          const TimesDisplay& display, int zoneOffset);
