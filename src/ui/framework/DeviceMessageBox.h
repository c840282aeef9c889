#pragma once
// A message box drawn for the device screen, as the handheld drew them: nearly the full screen
// width, the dialog font, a title band with the caption, a black border, the icon, and buttons
// at least 20 pixels high. The text wraps at word boundaries only where it must. It is placed in
// the middle of the device screen of the window it belongs to.

#include "ui/framework/Platform.h"

#include <QDialog>

class QLabel;
class QPushButton;

class CDeviceMessageBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int kScreenMargin = 4; // pixels left free at each side of the screen
    static constexpr int kMinButtonHeight = 22;
    static constexpr int kMinButtonWidth = 56;

    CDeviceMessageBox(QWidget* parent, const QString& text, const QString& title,
                      MessageButtons buttons, MessageIcon icon);

    // Shows the box modally; the DialogResultId of the button pressed (Escape gives Cancel, or
    // No without a Cancel button, or OK in a box with OK alone).
    int Run();

    const QLabel* TextLabel() const { return text_; }
    QList<QPushButton*> Buttons() const { return buttons_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void AddButton(const QString& label, int resultId);

    QString title_;
    QLabel* text_ = nullptr;
    QList<QPushButton*> buttons_;
    int escapeResult_ = kIdOk;
};
