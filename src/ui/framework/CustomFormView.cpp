#include "ui/framework/CustomFormView.h"

#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/TitleBand.h"

#include <QPainter>

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
