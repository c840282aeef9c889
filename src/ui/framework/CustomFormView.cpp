#include "ui/framework/CustomFormView.h"

#include "core/common/KeyValueText.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/TitleBand.h"

#include <QPainter>

CCustomFormView::CCustomFormView(LayoutTriple templates, QString title, QWidget* parent)
    : QWidget(parent), CTemplateWindow(this, templates), title_(std::move(title)) {
    const DeviceScreen& screen = CurrentPlatform().Screen();
    chosenTemplate_ = templates.portrait;
    if (templates.landscape != 0 && screen.IsLandscapeWidth())
        chosenTemplate_ = templates.landscape;
    if (templates.square != 0 && screen.IsSquare())
        chosenTemplate_ = templates.square;
    setFont(DialogFont());
    setAutoFillBackground(true);
}

bool CCustomFormView::Create() {
    if (created_)
        return createError_.isEmpty();
    created_ = true;
    if (chosenTemplate_ != 0) {
        if (const Status controls = CreateControls(chosenTemplate_); !controls) {
            createError_ = controls.error().text;
            return false;
        }
    }
    OnInitialUpdate();
    return true;
}

void CCustomFormView::SetViewTitle(const QString& title) {
    title_ = title;
    update(0, 0, width(), kTitleBandHeight + 1);
}

int CCustomFormView::ShowMessage(const QString& text, MessageButtons buttons, MessageIcon icon) {
    return ShowMessageBox(this, text, MessageBoxTitle(title_), buttons, icon);
}

bool CCustomFormView::ReadTextFile(const QString& path, QString* text) {
    Outcome<QString> read = ::ReadTextFile(path);
    if (!read.ok()) {
        text->clear();
        ShowMessage(read.error().text, MessageButtons::Ok, read.error().icon);
        return false;
    }
    *text = std::move(read).value();
    return true;
}

bool CCustomFormView::WriteTextFile(const QString& path, const QString& text) {
    const Status written = ::WriteTextFile(path, text);
    if (!written.ok())
        ShowMessage(written.error().text, MessageButtons::Ok, written.error().icon);
    return written.ok();
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
    PaintTitleBand(painter, font(), title_, CurrentPlatform().Screen().Width());
}

void CCustomFormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
}
