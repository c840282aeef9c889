#include "ui/framework/CalcDialog.h"
#include "core/common/text/Format.h"

#include "core/common/resources/Resources.h"
#include "core/common/settings/SettingsStore.h"
#include "core/common/text/NumberText.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/TitleBand.h"
#include "ui/framework/WholeText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace {

void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

// The square screen's Cancel button: left = width - 52, top = 1, right = width - 2, bottom = 19.
QRect SquareCancelRect(int screenWidth) {
    return QRect(screenWidth - 52, 1, 50, 18);
}

bool IsKeypadId(int id) {
    return std::find(std::begin(CCalcDialog::kKeypadIds), std::end(CCalcDialog::kKeypadIds), id) !=
           std::end(CCalcDialog::kKeypadIds);
}

// The character a keypad button types, or a null character for "CE", "C" and other ids.
QChar KeypadCharacter(int buttonId) {
    static constexpr struct {
        int id;
        char c;
    } kKeys[] = {{IDC_KEY_1, '1'},    {IDC_KEY_2, '2'}, {IDC_KEY_3, '3'},     {IDC_KEY_4, '4'},
                 {IDC_KEY_5, '5'},    {IDC_KEY_6, '6'}, {IDC_KEY_7, '7'},     {IDC_KEY_8, '8'},
                 {IDC_KEY_9, '9'},    {IDC_KEY_0, '0'}, {IDC_KEY_POINT, '.'}, {IDC_KEY_COLON, ':'},
                 {IDC_KEY_MINUS, '-'}};
    for (const auto& key : kKeys) {
        if (key.id == buttonId)
            return QLatin1Char(key.c);
    }
    return {};
}

} // namespace

CCalcDialog::CCalcDialog(LayoutTriple templates, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), CTemplateWindow(this, templates) {
    ChooseTemplate(false);
    if (const DialogTemplate* dialog = FindDialogTemplate(ChosenTemplateId()))
        SetTitleText(dialog->caption);
    setWindowTitle(MessageBoxTitle(Title()));
    setFont(DialogFont());
    setAutoFillBackground(true);
    connect(&CurrentPlatform().Screen(), &DeviceScreen::Changed, this, [this] { FitToScreen(); });
}

bool CCalcDialog::OnControlsCreated() {
    FitToScreen();
    if (!OnInitDialog())
        return false;
    AddHelpButton(); // also for dialogs whose set-up does not call the base's
    return true;
}

int CCalcDialog::DoModal() {
    if (!Create()) {
        if (!CreateError().isEmpty())
            ShowMessage(CreateError(), MessageButtons::Ok, MessageIcon::Error);
        return kIdCancel;
    }
    return CurrentPlatform().RunModal(this);
}

bool CCalcDialog::OnInitDialog() {
    if (CurrentPlatform().Screen().IsSquare())
        InitSquareScreen();
    WireKeypad();
    return true;
}

void CCalcDialog::AddHelpButton() {
    // A modal dialog covers the frame's "?" button, and a touchscreen has no F1: every dialog
    // with a title band carries its own.
    if (noTitle_ || helpButton_)
        return;
    helpButton_ = new QToolButton(this);
    helpButton_->setText(QStringLiteral("?"));
    helpButton_->setProperty("controlId", kHelpButton);
    helpButton_->setFocusPolicy(Qt::NoFocus);
    helpButton_->setAutoRaise(true);
    helpButton_->show();
    PlaceHelpButton();
    connect(helpButton_, &QToolButton::clicked, this, [this] { OpenContextHelp(); });
}

void CCalcDialog::InitSquareScreen() {
    // The keypad block: from its first button up to and including its frame (id -1).
    bool inKeypad = false;
    for (QWidget* control : ControlsInOrder()) {
        const int id = ControlId(control);
        if (id == kKeypadFirst)
            inKeypad = true;
        if (!inKeypad)
            continue;
        control->hide();
        control->setEnabled(false);
        if (id == kKeypadFrame)
            break;
    }
    for (int id : {static_cast<int>(kIdOk), kCloseButton})
        if (QWidget* w = GetDlgItem(id))
            w->hide();
    if (QWidget* cancel = GetDlgItem(kIdCancel)) {
        cancel->hide();
        if (!noCancel_) {
            const int w = CurrentPlatform().Screen().Width();
            squareCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
            squareCancel_->setProperty("controlId", kCancelOnSquare);
            squareCancel_->setAutoDefault(false);
            squareCancel_->setGeometry(SquareCancelRect(w));
            squareCancel_->show();
            connect(squareCancel_, &QPushButton::clicked, this,
                    [this] { OnCommand(kCancelOnSquare); });
        }
    }
}

void CCalcDialog::PlaceHelpButton() {
    if (!helpButton_)
        return;
    // At the right end of the title band, left of the buttons a square screen puts there
    // (Cancel, and OK in the dialogs that keep it).
    int right = width() - 2;
    for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = child->geometry();
        if (child != helpButton_ && child->isVisibleTo(this) && r.top() < kTitleBandHeight &&
            r.left() > width() / 2)
            right = std::min(right, r.left() - 2);
    }
    helpButton_->setGeometry(right - 18, 1, 18, 18);
}

void CCalcDialog::WireKeypad() {
    if (!GetDlgItem(kKeypadFirst))
        return;
    for (int id : kKeypadIds)
        if (QWidget* key = GetDlgItem(id))
            key->setFocusPolicy(Qt::NoFocus);
    for (QWidget* control : ControlsInOrder()) {
        QLineEdit* edit = LineEditOf(control);
        if (edit && !edit->isReadOnly())
            ReportFocus(ControlId(control));
    }
}

void CCalcDialog::ReportFocus(int id) {
    QWidget* field = GetDlgItem(id);
    if (!field)
        return;
    field->installEventFilter(this);
    if (QLineEdit* edit = LineEditOf(field); edit && edit != field)
        edit->installEventFilter(this);
}

bool CCalcDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        QWidget* widget = qobject_cast<QWidget*>(watched);
        int id = ControlId(widget);
        if (id == 0 && widget && widget->parentWidget())
            id = ControlId(widget->parentWidget()); // the line edit inside a combo box
        if (id != 0)
            OnEditFocused(id);
    }
    return QDialog::eventFilter(watched, event);
}

void CCalcDialog::OnCommand(int id) {
    if (id == kCancelOnSquare || id == kCloseButton) {
        OnClose();
        return;
    }
    if (IsKeypadId(id)) {
        PressKeypad(id);
        return;
    }
    switch (id) {
    case kIdOk:
        OnOK();
        return;
    case kIdCancel:
        OnCancel();
        return;
    default:
        CTemplateWindow::OnCommand(id);
    }
}

void CCalcDialog::PressKeypad(int buttonId) {
    if (focusEditId_ == 0)
        return;
    QWidget* field = GetDlgItem(focusEditId_);
    QLineEdit* edit = LineEditOf(field);
    if (!field || !edit)
        return;
    if (buttonId == IDC_KEY_C) { // "C" clears
        edit->clear();
    } else if (buttonId == IDC_KEY_CE) { // "CE" is a backspace
        SendKey(edit, Qt::Key_Backspace, QStringLiteral("\b"));
    } else if (edit->text().size() < edit->maxLength()) {
        const QChar c = KeypadCharacter(buttonId);
        if (c.isNull())
            return;
        SendKey(edit, c.unicode(), QString(c));
    }
    field->setFocus();
}

void CCalcDialog::SetCaption(const QString& caption) {
    SetTitleText(caption);
    setWindowTitle(MessageBoxTitle(caption));
    update();
}

int CCalcDialog::ShowMessage(int stringId, MessageButtons buttons, MessageIcon icon) {
    return ShowMessage(LoadString(stringId), buttons, icon);
}

void CCalcDialog::SetEditDouble(int id, double value) {
    if (QLineEdit* edit = Edit(id)) {
        SetTypingLimit(edit, 7);
        SetWholeText(edit, FormatText("%.1f", value));
    }
}

double CCalcDialog::GetEditDouble(int id) const {
    return TextToDouble(GetDlgItemText(id));
}

void CCalcDialog::RestoreLastValue(const TextSetting& key, int id) {
    const QString text = key.Read(CurrentPlatform().Settings());
    if (!text.isEmpty())
        SetDlgItemText(id, text);
}

void CCalcDialog::SaveLastValue(const TextSetting& key, int id) {
    key.Write(CurrentPlatform().Settings(), GetDlgItemText(id));
}

void CCalcDialog::OpenContextHelp() {
    QString topic = Title();
    CurrentPlatform().OpenHelp(topic.remove(' '));
}

void CCalcDialog::FitToScreen() {
    // A hidden dialog gets its resize event only when shown, so lay it out here as well.
    resize(CurrentPlatform().Screen().Size());
    RelayoutFromTemplate();
}

void CCalcDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (noTitle_)
        return;
    QPainter painter(this);
    PaintTitle(painter);
}

void CCalcDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    RelayoutFromTemplate();
    if (squareCancel_) {
        squareCancel_->setGeometry(SquareCancelRect(CurrentPlatform().Screen().Width()));
    }
    PlaceHelpButton();
}

void CCalcDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        OpenContextHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CCalcDialog::showEvent(QShowEvent* event) {
    PlaceHelpButton(); // after the dialog's own set-up placed its buttons
    // Dialogs cover the device screen of the window they belong to.
    if (QWidget* owner = parentWidget())
        move(owner->window()->mapToGlobal(QPoint(0, 0)));
    QDialog::showEvent(event);
}
