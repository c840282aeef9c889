#include "ui/framework/TitleBand.h"

#include "ui/framework/ColourScheme.h"

#include <QFont>
#include <QPainter>

void PaintTitleBand(QPainter& painter, const QFont& font, const QString& title, int screenWidth) {
    painter.save();
    QFont bold = font;
    bold.setWeight(QFont::Bold);
    painter.setFont(bold);
    painter.setPen(CurrentColourScheme().title);
    const QRect band(6, 0, screenWidth - 6, kTitleBandHeight);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
    painter.setPen(CurrentColourScheme().ink);
    painter.drawLine(0, kTitleBandHeight, screenWidth, kTitleBandHeight);
    painter.restore();
}

QString MessageBoxTitle(const QString& caption) {
    QString title = caption;
    return title.replace(QLatin1String("&&"), QLatin1String("&"));
}
