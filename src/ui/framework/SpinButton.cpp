#include "ui/framework/SpinButton.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <QToolButton>

CSpinButton::CSpinButton(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation), up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    const bool vertical = orientation == Qt::Vertical;
    up_->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
    down_->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void CSpinButton::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    // Arrows stacked in a low control would be too small to hit: when the control is wide enough,
    // each arrow takes its full height and half its width (down on the left, up on the right).
    const bool sideBySide = h / 2 < kMinArrowSize && w >= 2 * kMinArrowSize;
    if (orientation_ == Qt::Vertical && !sideBySide) {
        up_->setGeometry(0, 0, w, h / 2);
        down_->setGeometry(0, h / 2, w, h - h / 2);
    } else {
        down_->setGeometry(0, 0, w / 2, h);
        up_->setGeometry(w / 2, 0, w - w / 2, h);
    }
}

void StepFieldWithArrowKey(QWidget* field, int delta) {
    if (!field)
        return;
    QKeyEvent press(QEvent::KeyPress, delta > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &press);
    field->setFocus();
}
