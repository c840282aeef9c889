#include "ui/navdata/NavFileDialog.h"

#include "ui/document/TrevallionDoc.h"
#include "ui/framework/Platform.h"

bool AskForNavFile(QWidget* parent, CTrevallionDoc& document, Status* loaded) {
    FileDialogRequest request;
    request.title = QStringLiteral("Select airport file");
    request.filter = QStringLiteral("Airport Files (*.nav)");
    request.defaultExtension = QStringLiteral("nav");
    request.initialPath = document.NavFilePath();
    const QString path = CurrentPlatform().GetOpenFileName(parent, request);
    if (path.isEmpty())
        return false;
    *loaded = document.ChooseNavFile(path);
    return true;
}
