#include "ui/weight-balance/DetailsList.h"

#include <QHeaderView>
#include <QTreeWidget>

void FillDetailsList(QTreeWidget* list, const LoadingDetails& details) {
    list->clear();
    QStringList titles;
    for (const DetailsColumn& column : details.columns)
        titles.append(column.title);
    list->setColumnCount(static_cast<int>(titles.size()));
    list->setHeaderLabels(titles);
    for (int i = 0; i < details.columns.size(); ++i)
        list->setColumnWidth(i, details.columns[i].width);
    for (const QStringList& row : details.rows) {
        auto* item = new QTreeWidgetItem(row);
        for (int c = 1; c < row.size(); ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        list->addTopLevelItem(item);
    }
}
