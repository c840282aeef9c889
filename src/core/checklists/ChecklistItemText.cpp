#include "core/checklists/ChecklistItemText.h"

ChecklistItemText SplitItemText(const QString& text) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return ChecklistItemText{text, QString(), false};
    return ChecklistItemText{text.left(colon), text.mid(colon + 1), true};
}

QString ItemButtonText(const QString& text) {
    const ChecklistItemText split = SplitItemText(text);
    if (!split.hasCheck)
        return QStringLiteral("Item: ") + split.name;
    return QStringLiteral("Item: ") + split.name + QStringLiteral("\nCheck: ") + split.check;
}
