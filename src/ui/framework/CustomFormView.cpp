#include "ui/framework/CustomFormView.h"

#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/TitleBand.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

CCustomFormView::CCustomFormView(LayoutTriple templates, const QString& title, QWidget* parent)
    : QWidget(parent), CTemplateWindow(this, templates) {
    ChooseTemplate(true);
    SetTitleText(title);
    setFont(DialogFont());
    setAutoFillBackground(true);
}

void CCustomFormView::SetViewTitle(const QString& title) {
    SetTitleText(title);
    update(0, 0, width(), kTitleBandHeight + 1);
}

bool CCustomFormView::OnControlsCreated() {
    WatchFieldsForEnter();
    OnInitialUpdate();
    return true;
}

void CCustomFormView::OnInitialUpdate() {
    Relayout();
}

void CCustomFormView::Relayout() {
    RelayoutFromTemplate();
}

void CCustomFormView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    PaintTitle(painter);
}

void CCustomFormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}

bool CCustomFormView::ClickDefaultButton() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->isDefault() && button->isVisibleTo(this) && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

void CCustomFormView::WatchFieldsForEnter() {
    // Enter in a field presses the view's default button (Show, Calc), as it does in dialogs.
    // The fields are watched because an editable drop-down keeps the Enter to itself.
    for (QWidget* field : findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field) ||
            qobject_cast<QAbstractSpinBox*>(field))
            field->installEventFilter(this);
    }
}

bool CCustomFormView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched != this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && key->modifiers() == Qt::NoModifier && ClickDefaultButton())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}
