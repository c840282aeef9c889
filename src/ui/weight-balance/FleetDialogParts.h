#pragma once
// What the fleet editor's dialogs share: numbered grids ("#" read-only, the other columns
// sharing the width), reading a grid's cells, and keeping OK on a square screen (where the dialog
// base hides it), since these dialogs store with it.

#include "core/common/Outcome.h"

#include <QList>
#include <QString>

class CCalcDialog;
class CEditGrid;

struct GridColumn {
    QString title;
    int share = 1; // parts of the width left after the "#" column
    bool readOnly = false;
};

// Sets up the columns: "#" first, then `columns`; numbers are typed into the editable cells.
void SetUpNumberedGrid(CEditGrid* grid, const QList<GridColumn>& columns);
// Clears the grid and adds `rows` numbered rows (1, 2, ...).
void AddNumberedRows(CEditGrid* grid, int rows);
// A grid without the "#" column (one row a tank).
void SetUpGrid(CEditGrid* grid, const QList<GridColumn>& columns);
// The text of each row of one column.
QList<QString> ColumnTexts(const CEditGrid* grid, int column);

// Keeps the template's OK button on a square screen.
void KeepOkOnSquare(CCalcDialog& dialog);
