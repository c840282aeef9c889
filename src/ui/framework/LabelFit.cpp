#include "ui/framework/LabelFit.h"

#include <QFontMetrics>
#include <QLabel>

QStringList ClippedLabels(const QWidget* root) {
    QStringList clipped;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty() ||
            label->textFormat() == Qt::RichText)
            continue;
        const QRect room = label->contentsRect();
        int flags = Qt::TextShowMnemonic;
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000), flags,
                                                         label->text());
        // Text drawn beyond the screen's edge is cut as well.
        const QRect onScreen(label->mapTo(root, room.topLeft()), needed.size());
        const bool inside = root->rect().contains(onScreen);
        if (inside && needed.width() <= room.width() && needed.height() <= room.height())
            continue;
        clipped << QStringLiteral("\"%1\" needs %2x%3 px, has %4x%5")
                       .arg(label->text())
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(room.width())
                       .arg(room.height());
    }
    return clipped;
}
