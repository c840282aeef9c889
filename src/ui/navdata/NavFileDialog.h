#pragma once
// Choosing another navigation data file through the platform's file dialog (Preferences and the
// airport directory's File Open). The caller opens the chosen file as the document's navigation
// data (CTrevallionDoc::ChooseNavFile, which stores it as "AirportFile" whether or not it loads).

#include <QString>

class CTrevallionDoc;
class QWidget;

// The chosen file; "" when the dialog was cancelled.
QString AskForNavFilePath(QWidget* parent, const CTrevallionDoc& document);
