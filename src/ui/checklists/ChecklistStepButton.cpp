#include "ui/checklists/ChecklistStepButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int kTextPixels = 14;
constexpr int kSmallestTextPixels = 10;
constexpr int kTextMargin = 4;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

int WrappedHeight(const QFont& font, int width, const QString& text) {
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, 100000), kTextFlags, text).height();
}

} // namespace

CChecklistStepButton::CChecklistStepButton(QWidget* parent) : QPushButton(parent) {
    QFont large = font();
    large.setPixelSize(kTextPixels);
    large.setBold(true);
    setFont(large);
    setAutoDefault(false);
}

int CChecklistStepButton::HeightForText(int width) const {
    return WrappedHeight(font(), width - 2 * kTextMargin, text()) + 2 * kTextMargin;
}

QFont CChecklistStepButton::FittingFont(const QRect& area) const {
    QFont fitting = font();
    for (int pixels = kTextPixels; pixels > kSmallestTextPixels; --pixels) {
        fitting.setPixelSize(pixels);
        if (WrappedHeight(fitting, area.width(), text()) <= area.height())
            return fitting;
    }
    fitting.setPixelSize(kSmallestTextPixels);
    return fitting;
}

void CChecklistStepButton::paintEvent(QPaintEvent*) {
    // The button's frame as the style draws it, then the text wrapped inside it (a push button
    // draws its text on one line per "\n" and cuts what does not fit).
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = rect().adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(FittingFont(area));
    painter.drawText(area, kTextFlags, text());
}
