#include "ui/navdata/NavFileDialog.h"

#include "ui/document/TrevallionDoc.h"
#include "ui/framework/Platform.h"

QString AskForNavFilePath(QWidget* parent, const CTrevallionDoc& document) {
    FileDialogRequest request;
    request.title = QStringLiteral("Select airport file");
    request.filter = QStringLiteral("Airport Files (*.nav)");
    request.defaultExtension = QStringLiteral("nav");
    request.initialPath = document.NavFilePath();
    return CurrentPlatform().GetOpenFileName(parent, request);
}
