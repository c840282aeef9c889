#pragma once
// Choosing another navigation data file through the platform's file dialog (Preferences and the
// airport directory's File Open): the chosen file is opened as the document's navigation data and
// stored as "AirportFile", whether or not it loads.

#include "core/common/Outcome.h"

class CTrevallionDoc;
class QWidget;

// False when the dialog was cancelled; otherwise true with the load's outcome in *loaded.
bool AskForNavFile(QWidget* parent, CTrevallionDoc& document, Status* loaded);
