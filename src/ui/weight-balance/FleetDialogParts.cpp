#include "ui/weight-balance/FleetDialogParts.h"

#include "resource.h"
#include "ui/framework/CalcDialog.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/EditGrid.h"

#include <QStyle>

namespace {

constexpr int kNumberColumnWidth = 22;

// The width the columns share: the grid's inside less a vertical scroll bar.
int ColumnsWidth(const CEditGrid* grid) {
    return grid->width() - 2 * grid->frameWidth() -
           grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void AddColumns(CEditGrid* grid, const QList<GridColumn>& columns, int first, int width) {
    int shares = 0;
    for (const GridColumn& c : columns)
        shares += c.share;
    for (int i = 0; i < columns.size(); ++i) {
        const GridColumn& c = columns[i];
        const int column = first + i;
        grid->InsertColumn(column, c.title, width * c.share / shares,
                           c.readOnly ? Qt::AlignLeft : Qt::AlignRight);
        grid->SetReadOnly(column, c.readOnly);
    }
}

} // namespace

void SetUpNumberedGrid(CEditGrid* grid, const QList<GridColumn>& columns) {
    grid->InsertColumn(0, QStringLiteral("#"), kNumberColumnWidth);
    grid->SetReadOnly(0, true);
    AddColumns(grid, columns, 1, ColumnsWidth(grid) - kNumberColumnWidth);
}

void AddNumberedRows(CEditGrid* grid, int rows) {
    grid->clear();
    for (int row = 0; row < rows; ++row)
        grid->InsertRow(row, QString::number(row + 1));
}

void SetUpGrid(CEditGrid* grid, const QList<GridColumn>& columns) {
    AddColumns(grid, columns, 0, ColumnsWidth(grid));
}

QList<QString> ColumnTexts(const CEditGrid* grid, int column) {
    QList<QString> texts;
    for (int row = 0; row < grid->RowCount(); ++row)
        texts.append(grid->ItemText(row, column).trimmed());
    return texts;
}

void KeepOkOnSquare(CCalcDialog& dialog) {
    if (CurrentPlatform().Screen().IsSquare())
        if (QWidget* ok = dialog.GetDlgItem(kIdOk))
            ok->show();
}
