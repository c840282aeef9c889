#include "ui/calculators/NumberList.h"

#include "core/common/text/Format.h"

#include <QComboBox>
#include <QLineEdit>

QStringList NumberItems(int first, int last, int step) {
    QStringList items;
    for (int value = first; value <= last; value += step)
        items.append(FormatText("%d", value));
    return items;
}

void FillNumberList(QComboBox* list, int first, int last, int step, const QString& text,
                    int maxLength) {
    if (!list)
        return;
    list->clear();
    list->addItems(NumberItems(first, last, step));
    list->setMaxVisibleItems(10);
    if (QLineEdit* edit = list->lineEdit())
        edit->setMaxLength(maxLength);
    list->setCurrentIndex(-1);
    list->setEditText(text);
}
