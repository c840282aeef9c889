#include "ui/navdata/ReportList.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>

void SetReportColumns(QTreeWidget* list, const QList<int>& widths, const QStringList& titles) {
    list->clear();
    list->setColumnCount(static_cast<int>(widths.size()));
    if (!titles.isEmpty())
        list->setHeaderLabels(titles);
    for (int i = 0; i < widths.size(); ++i)
        list->header()->resizeSection(i, std::max(0, widths[i]));
}

void AddReportRow(QTreeWidget* list, const QStringList& texts) {
    list->addTopLevelItem(new QTreeWidgetItem(texts));
}

void AddReportRows(QTreeWidget* list, const QVector<DisplayRow>& rows) {
    for (const DisplayRow& row : rows)
        AddReportRow(list, {row.label, row.value});
}

int ReportClientWidth(const QTreeWidget* list) {
    const int frame = list->frameWidth() * 2;
    return list->width() - frame - list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

QString SelectedReportText(const QTreeWidget* list, int column) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(column);
}
