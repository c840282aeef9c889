#pragma once
// The base of every modal dialog: picks the portrait or square template at construction,
// re-lays itself out when the screen changes, supplies the on-screen keypad, the painted title,
// the square-screen Cancel button, context help by caption, message boxes titled with the
// caption, and helpers for numeric fields and remembered values.
//
// Life: construct on the stack with the LayoutTriple, then DoModal() (which calls Create():
// controls from the template, then OnInitDialog()). Results: kIdOk (1) or kIdCancel (2).

#include "core/common/settings/SettingKey.h"
#include "ui/framework/LayoutTriple.h"
#include "ui/framework/Platform.h"
#include "ui/framework/TemplateWindow.h"

#include "resource.h"

#include <QDialog>

class QPushButton;
class QToolButton;

class CCalcDialog : public QDialog, public CTemplateWindow {
    Q_OBJECT
public:
    // Keypad buttons and the characters they send; Backspace is "CE", Clear is "C".
    static constexpr int kKeypadIds[] = {IDC_KEY_1,     IDC_KEY_2,  IDC_KEY_3,     IDC_KEY_4,
                                         IDC_KEY_5,     IDC_KEY_6,  IDC_KEY_7,     IDC_KEY_8,
                                         IDC_KEY_9,     IDC_KEY_0,  IDC_KEY_POINT, IDC_KEY_COLON,
                                         IDC_KEY_MINUS, IDC_KEY_CE, IDC_KEY_C};
    static constexpr int kKeypadFirst = IDC_KEY_1;
    static constexpr int kKeypadFrame = IDC_KEYPAD_FRAME;
    static constexpr int kCancelOnSquare = IDC_SQUARE_CANCEL;
    static constexpr int kHelpButton = IDC_DIALOG_HELP; // the title band's "?"
    static constexpr int kCloseButton = IDC_CLOSE;
    static constexpr int kFocusNotifyCode = 7;

    explicit CCalcDialog(LayoutTriple templates, QWidget* parent = nullptr);

    // Creates the dialog and runs it modally through the platform.
    int DoModal();
    // Ends a modal run with this result.
    void EndDialog(int result) { done(result); }

    // The caption as the template gives it ("Heading && Time").
    QString Caption() const { return Title(); }
    // Replaces the caption: the painted title, message-box titles and the help topic follow it
    // (dialogs whose title depends on how they were opened).
    void SetCaption(const QString& caption);
    void SetNoTitle(bool noTitle) { noTitle_ = noTitle; }
    void SetNoCancel(bool noCancel) { noCancel_ = noCancel; }

    // Message boxes titled with the caption, by text or by string id.
    using CTemplateWindow::ShowMessage;
    int ShowMessage(int stringId, MessageButtons buttons = MessageButtons::Ok,
                    MessageIcon icon = MessageIcon::Information);

    // The field shows the number with "%.1f" and takes at most 7 characters.
    void SetEditDouble(int id, double value);
    // The field's text as a number (empty or non-numeric text gives 0).
    double GetEditDouble(int id) const;
    // Restores a field from the remembered text `key` when that is not empty.
    void RestoreLastValue(const TextSetting& key, int id);
    // Remembers the field's text as `key`.
    void SaveLastValue(const TextSetting& key, int id);

    // The numeric field that last reported focus (0 = none).
    int FocusEditId() const { return focusEditId_; }
    // Makes a field report when it gets the focus (keypad dialogs do this for their fields).
    void ReportFocus(int id);
    // A keypad button was pressed.
    void PressKeypad(int buttonId);
    // Opens the help topic of this dialog (F1, or the title band's "?"): the caption without
    // spaces, unless the dialog names another.
    virtual void OpenContextHelp();

protected:
    // Called once the controls exist. The base does the square-screen set-up and wires the
    // keypad; derived dialogs call it first. False ends the dialog.
    virtual bool OnInitDialog();
    virtual void OnOK() { done(kIdOk); }
    virtual void OnCancel() { done(kIdCancel); }
    // The Close buttons (Close and the square screen's Cancel); cancels by default.
    virtual void OnClose() { OnCancel(); }
    // A focus-reporting field got the focus; records FocusEditId.
    virtual void OnEditFocused(int id) { focusEditId_ = id; }

    // Fits the dialog to the screen and runs OnInitDialog.
    bool OnControlsCreated() override;
    void OnCommand(int id) override;
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InitSquareScreen();
    void WireKeypad();
    void AddHelpButton();
    void PlaceHelpButton();
    void FitToScreen();

    bool noTitle_ = false;
    bool noCancel_ = false;
    int focusEditId_ = 0;
    QPushButton* squareCancel_ = nullptr;
    QToolButton* helpButton_ = nullptr; // the "?" in the title band
};
