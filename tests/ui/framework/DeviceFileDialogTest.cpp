#include "ui/framework/DeviceFileDialog.h"

#include "support/ScriptedPlatform.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <gtest/gtest.h>

namespace {

// Whether the widget is shown and lies wholly inside the dialog.
bool ShownInside(const QWidget* widget, const QWidget* dialog) {
    if (!widget || !widget->isVisibleTo(dialog))
        return false;
    const QRect inDialog(widget->mapTo(dialog, QPoint(0, 0)), widget->size());
    return dialog->rect().contains(inDialog);
}

// On each device screen the chooser covers the screen, and its file name, Open and Cancel lie
// on it, so a finger can choose or cancel.
TEST(DeviceFileDialog, FitsEveryDeviceScreen) {
    TempFolder folder;
    for (const QSize screen : {QSize(240, 320), QSize(320, 240), QSize(240, 240)}) {
        ScriptedPlatform platform(screen);
        for (const auto mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
            CDeviceFileDialog dialog(nullptr,
                                     {QStringLiteral("Select airport file"),
                                      QStringLiteral("Airport Files (*.nav)"),
                                      QStringLiteral("nav"), folder.Path()},
                                     mode);
            dialog.show();
            QApplication::processEvents();
            EXPECT_EQ(dialog.size(), screen);
            const auto* buttons = dialog.findChild<QDialogButtonBox*>();
            ASSERT_NE(buttons, nullptr);
            for (const auto role : {QDialogButtonBox::Cancel, mode == QFileDialog::AcceptOpen
                                                                  ? QDialogButtonBox::Open
                                                                  : QDialogButtonBox::Save})
                EXPECT_TRUE(ShownInside(buttons->button(role), &dialog))
                    << screen.width() << "x" << screen.height();
            EXPECT_TRUE(
                ShownInside(dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), &dialog));
            dialog.reject();
        }
    }
}

} // namespace
