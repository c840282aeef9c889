#pragma once
// Report lists (a template's "SysListView32", created as a QTreeWidget): columns by pixel width,
// rows of texts, and the selected row.

#include "core/navdata/AirportDisplay.h"

#include <QList>
#include <QStringList>

class QTreeWidget;

// Replaces the columns (and removes every row). Titles are shown when the list has a header.
void SetReportColumns(QTreeWidget* list, const QList<int>& widths, const QStringList& titles = {});
void AddReportRow(QTreeWidget* list, const QStringList& texts);
void AddReportRows(QTreeWidget* list, const QVector<DisplayRow>& rows);
// The list's client width less the width of a vertical scroll bar.
int ReportClientWidth(const QTreeWidget* list);
// The text of a column of the selected row; "" when no row is selected.
QString SelectedReportText(const QTreeWidget* list, int column = 0);
