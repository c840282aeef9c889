#include "ui/framework/DeviceFileDialog.h"

#include "ui/framework/DeviceScreen.h"

#include <QLayout>
#include <QRegularExpression>
#include <QShowEvent>

CDeviceFileDialog::CDeviceFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     AcceptMode mode)
    : QFileDialog(parent, request.title, request.initialPath, request.filter) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        setFileMode(QFileDialog::ExistingFile);
    setDefaultSuffix(request.defaultExtension);
    // With several kinds offered, a name typed without an extension gets the chosen kind's.
    connect(this, &QFileDialog::filterSelected, this, [this](const QString& filter) {
        static const QRegularExpression firstPattern(QStringLiteral("\\*\\.(\\w+)"));
        if (const QRegularExpressionMatch match = firstPattern.match(filter); match.hasMatch())
            setDefaultSuffix(match.captured(1));
    });
    setViewMode(QFileDialog::List);
    if (CurrentPlatform().Screen().Width() < kCompactWidth)
        MakeCompact();
}

void CDeviceFileDialog::MakeCompact() {
    // The widgets of Qt's file dialog by their object names.
    for (const char* name : {"sidebar", "newFolderButton", "listModeButton", "detailModeButton",
                             "lookInLabel", "fileTypeLabel"}) {
        if (QWidget* widget = findChild<QWidget*>(QLatin1String(name)))
            widget->hide();
    }
    if (QLayout* top = layout())
        top->setContentsMargins(2, 2, 2, 2);
}

QString CDeviceFileDialog::Run() {
    return exec() == QDialog::Accepted ? selectedFiles().value(0) : QString();
}

void CDeviceFileDialog::showEvent(QShowEvent* event) {
    // Below its layout's minimum a dialog would squeeze its buttons off; the minimum is dropped
    // so the dialog takes exactly the screen.
    setMinimumSize(0, 0);
    const QRect screen = DeviceScreenRect(parentWidget());
    setGeometry(screen);
    setFixedSize(screen.size());
    QFileDialog::showEvent(event);
}
