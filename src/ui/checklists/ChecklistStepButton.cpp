#include "ui/checklists/ChecklistStepButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int kTextPixels = 14;
constexpr int kTextMargin = 4;

} // namespace

CChecklistStepButton::CChecklistStepButton(QWidget* parent) : QPushButton(parent) {
    QFont large = font();
    large.setPixelSize(kTextPixels);
    large.setBold(true);
    setFont(large);
    setAutoDefault(false);
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
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
}
