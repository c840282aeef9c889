#include "ui/framework/OwnerDrawArea.h"

#include <QMouseEvent>
#include <QPainter>

COwnerDrawArea::COwnerDrawArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void COwnerDrawArea::SetPaintFunction(PaintFunction paint) {
    paint_ = std::move(paint);
    update();
}

void COwnerDrawArea::paintEvent(QPaintEvent*) {
    if (!paint_)
        return;
    QPainter painter(this);
    paint_(painter, rect());
}

void COwnerDrawArea::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !rect().contains(position))
        return;
    emit clicked();
    emit clickedAt(position);
}
