#include "ui/framework/TemplateWindow.h"

#include "core/common/resources/Resources.h"
#include "ui/framework/ControlFactory.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/DialogUnits.h"
#include "ui/framework/OwnerDrawArea.h"
#include "ui/framework/Platform.h"
#include "ui/framework/TitleBand.h"
#include "ui/framework/WholeText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

CTemplateWindow::CTemplateWindow(QWidget* host, LayoutTriple templates)
    : host_(host), templates_(templates) {}

void CTemplateWindow::ChooseTemplate(bool useLandscape) {
    const DeviceScreen& screen = CurrentPlatform().Screen();
    chosenTemplate_ = templates_.portrait;
    if (useLandscape && templates_.landscape != 0 && screen.IsLandscapeWidth())
        chosenTemplate_ = templates_.landscape;
    if (templates_.square != 0 && screen.IsSquare())
        chosenTemplate_ = templates_.square;
}

bool CTemplateWindow::Create() {
    if (created_)
        return createResult_;
    created_ = true;
    if (chosenTemplate_ != 0) {
        if (const Status controls = CreateControls(chosenTemplate_); !controls) {
            createError_ = controls.error().text;
            return false;
        }
    }
    createResult_ = OnControlsCreated();
    return createResult_;
}

int CTemplateWindow::ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon) {
    return ShowMessageBox(host_, text, MessageBoxTitle(title_), buttons, icon);
}

bool CTemplateWindow::ShowStatus(const Status& status) const {
    return ::ShowStatus(host_, status, MessageBoxTitle(title_));
}

void CTemplateWindow::PaintTitle(QPainter& painter) const {
    PaintTitleBand(painter, host_->font(), MessageBoxTitle(title_),
                   CurrentPlatform().Screen().Width());
}

QWidget* CTemplateWindow::CreateControl(const ControlTemplate&) {
    return nullptr;
}

void CTemplateWindow::OnCommand(int id) {
    const auto it = handlers_.constFind(id);
    if (it != handlers_.constEnd() && *it)
        (*it)();
}

void CTemplateWindow::Bind(int id, std::function<void()> handler) {
    handlers_[id] = std::move(handler);
}

Status CTemplateWindow::CreateControls(int templateId) {
    const DialogTemplate* dialog = FindDialogTemplate(templateId);
    if (!dialog)
        return Status::Fail(QStringLiteral("Dialog template %1 is missing.").arg(templateId));
    QList<QWidget*> created;
    for (const ControlTemplate& control : dialog->controls) {
        QWidget* widget = CreateControl(control);
        if (!widget)
            widget = CreateStandardControl(control, host_);
        if (!widget) {
            qDeleteAll(created);
            return Status::Fail(
                QStringLiteral("Template %1, line %2: control '%3' (class '%4') is unknown.")
                    .arg(templateId)
                    .arg(control.line)
                    .arg(control.keyword, control.className));
        }
        widget->setParent(host_);
        created.append(widget);
    }
    for (int i = 0; i < created.size(); ++i)
        Register(created[i], dialog->controls[i]);
    GroupRadioButtons(*dialog);
    for (int i = 1; i < controls_.size(); ++i)
        QWidget::setTabOrder(controls_[i - 1], controls_[i]);
    createdTemplate_ = templateId;
    ApplyTemplateGeometry(templateId);
    return {};
}

void CTemplateWindow::Register(QWidget* widget, const ControlTemplate& control) {
    widget->setProperty("controlId", control.id);
    controls_.append(widget);
    if (!byId_.contains(control.id))
        byId_.insert(control.id, widget);
    if (control.LacksStyle("WS_VISIBLE"))
        widget->hide();
    else
        widget->show();
    if (control.HasStyle("WS_DISABLED"))
        widget->setEnabled(false);
    if (qobject_cast<QGroupBox*>(widget))
        widget->lower(); // a frame behind the controls it surrounds
    const int id = control.id;
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QObject::connect(button, &QAbstractButton::clicked, host_, [this, id] { OnCommand(id); });
    else if (auto* area = qobject_cast<COwnerDrawArea*>(widget))
        QObject::connect(area, &COwnerDrawArea::clicked, host_, [this, id] { OnCommand(id); });
}

void CTemplateWindow::GroupRadioButtons(const DialogTemplate& dialog) {
    // A group runs from a control with WS_GROUP to the next one; its radio buttons exclude
    // each other.
    QButtonGroup* group = nullptr;
    for (int i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].HasStyle("WS_GROUP"))
            group = nullptr;
        auto* radio = qobject_cast<QRadioButton*>(controls_[i]);
        if (!radio)
            continue;
        if (!group)
            group = new QButtonGroup(host_);
        group->addButton(radio);
    }
}

bool CTemplateWindow::ApplyTemplateGeometry(int templateId) {
    const DialogTemplate* found = FindDialogTemplate(templateId);
    if (found == nullptr)
        return false;
    const DialogTemplate& layout = *found;
    if (layout.controls.size() != controls_.size())
        return false;
    for (int i = 0; i < controls_.size(); ++i)
        if (layout.controls[i].id != ControlId(controls_[i]))
            return false;
    host_->setUpdatesEnabled(false);
    for (int i = 0; i < controls_.size(); ++i)
        controls_[i]->setGeometry(ControlPixelRect(layout.controls[i]));
    host_->setUpdatesEnabled(true);
    currentLayout_ = templateId;
    return true;
}

void CTemplateWindow::RelayoutFromTemplate() {
    const DeviceScreen& screen = CurrentPlatform().Screen();
    if (screen.IsSquare() || templates_.landscape == 0 || createdTemplate_ == 0)
        return;
    ApplyTemplateGeometry(screen.IsLandscapeWidth() ? templates_.landscape : templates_.portrait);
}

QWidget* CTemplateWindow::GetDlgItem(int id) const {
    return byId_.value(id);
}

QLineEdit* CTemplateWindow::LineEditOf(QWidget* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(control);
}

QLineEdit* CTemplateWindow::Edit(int id) const {
    return LineEditOf(GetDlgItem(id));
}

QComboBox* CTemplateWindow::Combo(int id) const {
    return Item<QComboBox>(id);
}

QPushButton* CTemplateWindow::Button(int id) const {
    return Item<QPushButton>(id);
}

QLabel* CTemplateWindow::Label(int id) const {
    return Item<QLabel>(id);
}

QAbstractButton* CTemplateWindow::CheckBox(int id) const {
    return Item<QAbstractButton>(id);
}

int CTemplateWindow::ControlId(const QWidget* control) const {
    if (!control)
        return 0;
    const QVariant id = control->property("controlId");
    return id.isValid() ? id.toInt() : 0;
}

QString CTemplateWindow::GetDlgItemText(int id) const {
    QWidget* w = GetDlgItem(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* text = qobject_cast<QPlainTextEdit*>(w))
        return text->toPlainText();
    if (auto* group = qobject_cast<QGroupBox*>(w))
        return group->title();
    return {};
}

void CTemplateWindow::SetDlgItemText(int id, const QString& text) {
    QWidget* w = GetDlgItem(id);
    // A field takes the text whole; its length limit is for typing.
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        SetWholeText(edit, text);
    else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable())
        SetWholeText(combo->lineEdit(), text);
    else if (combo)
        combo->setCurrentText(text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->setPlainText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setTitle(text);
}

bool CTemplateWindow::IsDlgButtonChecked(int id) const {
    const QAbstractButton* button = CheckBox(id);
    return button && button->isChecked();
}

void CTemplateWindow::CheckDlgButton(int id, bool checked) {
    if (QAbstractButton* button = CheckBox(id))
        button->setChecked(checked);
}
