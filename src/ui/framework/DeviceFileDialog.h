#pragma once
// The file chooser on the device screen. Like every dialog of the program it covers the device
// screen from the main window's corner, so its file name, Open and Cancel are on the screen and
// reachable by touch. It is Qt's own widget dialog (a desktop's native one is drawn for a large
// screen and ignores the size); on a narrow screen the parts that need room or a mouse are left
// out (the side bar of places, the new-folder and view buttons, the details view).

#include "ui/framework/Platform.h"

#include <QFileDialog>

class CDeviceFileDialog : public QFileDialog {
public:
    CDeviceFileDialog(QWidget* parent, const FileDialogRequest& request, AcceptMode mode);

    // Runs the dialog modally: the chosen path, or an empty text when cancelled.
    QString Run();

    // Screens narrower than this get the compact dialog.
    static constexpr int kCompactWidth = 480;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void MakeCompact();
};
