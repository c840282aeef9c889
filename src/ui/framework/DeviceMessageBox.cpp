#include "ui/framework/DeviceMessageBox.h"

#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/ColourScheme.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/TitleBand.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kIconSize = 24;

QStyle::StandardPixmap IconPixmap(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Error:
        return QStyle::SP_MessageBoxCritical;
    case MessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Information:
    case MessageIcon::None:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

struct ButtonChoice {
    const char* label;
    int result;
};

QList<ButtonChoice> ButtonChoices(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return {{"OK", kIdOk}};
    case MessageButtons::OkCancel:
        return {{"OK", kIdOk}, {"Cancel", kIdCancel}};
    case MessageButtons::YesNo:
        return {{"Yes", kIdYes}, {"No", kIdNo}};
    case MessageButtons::YesNoCancel:
        return {{"Yes", kIdYes}, {"No", kIdNo}, {"Cancel", kIdCancel}};
    case MessageButtons::RetryCancel:
        return {{"Retry", kIdRetry}, {"Cancel", kIdCancel}};
    }
    return {{"OK", kIdOk}};
}

int EscapeResult(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return kIdOk;
    case MessageButtons::YesNo:
        return kIdNo;
    default:
        return kIdCancel;
    }
}

} // namespace

CDeviceMessageBox::CDeviceMessageBox(QWidget* parent, const QString& text, const QString& title,
                                     MessageButtons buttons, MessageIcon icon)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), title_(title),
      escapeResult_(EscapeResult(buttons)) {
    setFont(DialogFont());
    setWindowTitle(title);
    const int width = CurrentPlatform().Screen().Width() - 2 * kScreenMargin;
    setFixedWidth(width);

    auto* body = new QHBoxLayout;
    body->setSpacing(8);
    if (icon != MessageIcon::None) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setPixmap(style()->standardIcon(IconPixmap(icon)).pixmap(kIconSize, kIconSize));
        iconLabel->setAlignment(Qt::AlignTop);
        body->addWidget(iconLabel, 0, Qt::AlignTop);
    }
    text_ = new QLabel(text, this);
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    body->addWidget(text_, 1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, kTitleBandHeight + 8, 8, 8);
    layout->setSpacing(10);
    layout->addLayout(body);
    layout->addLayout(row);
    for (const ButtonChoice& choice : ButtonChoices(buttons)) {
        AddButton(QString::fromLatin1(choice.label), choice.result);
        row->addWidget(buttons_.last());
    }
    row->addStretch(1);
    buttons_.first()->setDefault(true);
    buttons_.first()->setFocus();
    // The text takes the width the icon and margins leave, so it wraps only where it must.
    text_->setFixedWidth(width - 16 - (icon != MessageIcon::None ? kIconSize + 8 : 0));
}

void CDeviceMessageBox::AddButton(const QString& label, int resultId) {
    auto* button = new QPushButton(label, this);
    button->setMinimumSize(kMinButtonWidth, kMinButtonHeight);
    // Narrower than its natural width when three buttons share a 240-pixel screen.
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, resultId] { done(resultId); });
    buttons_.append(button);
}

int CDeviceMessageBox::Run() {
    return exec();
}

void CDeviceMessageBox::reject() {
    done(escapeResult_);
}

void CDeviceMessageBox::showEvent(QShowEvent* event) {
    adjustSize();
    const QRect screen = DeviceScreenRect(parentWidget());
    const int y = screen.top() + std::max(0, (screen.height() - height()) / 2);
    move(screen.left() + (screen.width() - width()) / 2, y);
    QDialog::showEvent(event);
}

void CDeviceMessageBox::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    PaintTitleBand(painter, font(), title_, width());
    painter.setPen(CurrentColourScheme().ink);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
