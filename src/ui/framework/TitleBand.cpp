#include "ui/framework/TitleBand.h"

#include <QColor>
#include <QFont>
#include <QPainter>

void PaintTitleBand(QPainter& painter, const QFont& font, const QString& title, int screenWidth) {
    painter.save();
    QFont bold = font;
    bold.setWeight(QFont::Bold);
    painter.setFont(bold);
    painter.setPen(QColor(0, 0, 156));
    const QRect band(6, 0, screenWidth - 6, kTitleBandHeight);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    painter.setPen(Qt::black);
    painter.drawLine(0, kTitleBandHeight, screenWidth, kTitleBandHeight);
    painter.restore();
}

QString MessageBoxTitle(const QString& caption) {
    QString title = caption;
    return title.replace(QLatin1String("&&"), QLatin1String("&"));
}
