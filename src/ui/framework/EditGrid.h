#pragma once
// The editable grid: a report-style list whose cells the user fills in place (station weights,
// fuel loads, the rows of the aircraft type editor). Read-only columns are drawn grey
// (0xF7F7F7). A tap on a cell selects its row and, when the grid allows label editing and the
// column is not read-only, opens the program's single cell editor (CCellEdit) over the cell,
// first scrolling the column into view. When the edit ends the grid writes the text into the
// cell and tells its owner through CellChanged. Taps with Shift or Ctrl only select; scrolling
// the grid ends an open edit. The owner decides what a cell means; the grid only edits text.

#include "core/common/resources/ResourceTypes.h"

#include <QColor>
#include <QTreeWidget>

class CEditGrid : public QTreeWidget {
    Q_OBJECT
public:
    struct Cell {
        int row = -1;
        int column = -1;
        bool IsValid() const { return row >= 0 && column >= 0; }
        bool operator==(const Cell&) const = default;
    };

    explicit CEditGrid(QWidget* parent = nullptr);
    // A grid for a template's list control: LVS_EDITLABELS allows editing, LVS_NOCOLUMNHEADER
    // hides the header, LVS_SINGLESEL allows one selected row only.
    static CEditGrid* FromTemplate(const ControlTemplate& control, QWidget* parent);
    ~CEditGrid() override;

    void SetReadOnly(int column, bool readOnly);
    bool IsReadOnly(int column) const;
    // Characters the cell editor accepts ("" = any).
    void SetAllowedCharacters(const QString& allowed) { allowed_ = allowed; }
    const QString& AllowedCharacters() const { return allowed_; }
    // Whether cells may be edited at all (the list style's edit-labels bit).
    void SetEditLabels(bool editLabels) { editLabels_ = editLabels; }
    bool EditLabels() const { return editLabels_; }
    // The cell editor's value menu (a menu resource id; 0 = none).
    void SetCellMenuResource(int menuId) { cellMenu_ = menuId; }
    int CellMenuResource() const { return cellMenu_; }

    // List-control style access to columns and cells.
    void InsertColumn(int column, const QString& title, int width,
                      Qt::Alignment alignment = Qt::AlignLeft);
    // Inserts a row with the text of its first cell; returns its index.
    int InsertRow(int row, const QString& text);
    int RowCount() const { return topLevelItemCount(); }
    void SetItemText(int row, int column, const QString& text);
    QString ItemText(int row, int column) const;

    // Selects and focuses the row, then opens the cell editor when editing is allowed and the
    // column is not read-only.
    void EditCell(int row, int column);
    // The row whose cell is being edited; -1 when none.
    int EditedRow() const { return editedRow_; }

    // The cell under a point of the viewport: the row by the list's hit test, the column by the
    // column widths from the row's left edge. Invalid outside the rows and right of the last
    // column.
    Cell CellAt(const QPoint& viewportPoint) const;
    // A column's left edge in viewport coordinates.
    int ColumnLeft(int column) const;
    // Scrolls horizontally so that the column can be seen: a column cut off on the right is
    // brought fully in, one hidden on the left or beyond the right edge goes to the left edge.
    void ScrollColumnIntoView(int column);
    // The cell's rectangle in the viewport, cut to the viewport's width.
    QRect CellRect(int row, int column) const;

    // The cell editor's end of edit: writes the text into the cell and emits CellChanged.
    void EndCellEdit(int row, int column, const QString& text);

    // Keeps the horizontal position: the grid's own rule above decides horizontal scrolling.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    void CellChanged(int row, int column, const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void OpenEditor(int row, int column);
    QColor CellBackground(int column) const;
    Qt::Alignment ColumnAlignment(int column) const;

    QList<int> readOnly_;
    QString allowed_;
    bool editLabels_ = false;
    int cellMenu_;
    int editedRow_ = -1;
};
