#include "ui/framework/EditGrid.h"

#include "ui/framework/CellEdit.h"
#include "ui/framework/ColourScheme.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// Rows tall enough for the cell editor's bordered line over a cell.
class RowHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 4));
        return size;
    }
};

} // namespace

CEditGrid::CEditGrid(QWidget* parent) : QTreeWidget(parent), cellMenu_(CCellEdit::kDefaultMenu) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollMode(ScrollPerPixel);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setColumnCount(0);
    setItemDelegate(new RowHeightDelegate(this));
    // A scroll by the user first takes the focus to the grid, which ends an open cell edit.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this] { setFocus(Qt::OtherFocusReason); });
}

CEditGrid* CEditGrid::FromTemplate(const ControlTemplate& control, QWidget* parent) {
    auto* grid = new CEditGrid(parent);
    grid->SetEditLabels(control.HasStyle(QStringLiteral("LVS_EDITLABELS")));
    grid->setHeaderHidden(control.HasStyle(QStringLiteral("LVS_NOCOLUMNHEADER")));
    if (control.HasStyle(QStringLiteral("LVS_SINGLESEL")))
        grid->setSelectionMode(SingleSelection);
    return grid;
}

CEditGrid::~CEditGrid() {
    CCellEdit::Release(this);
}

void CEditGrid::SetReadOnly(int column, bool readOnly) {
    const bool present = readOnly_.contains(column);
    if (readOnly && !present)
        readOnly_.append(column);
    else if (!readOnly && present)
        readOnly_.removeAll(column);
    viewport()->update();
}

bool CEditGrid::IsReadOnly(int column) const {
    return readOnly_.contains(column);
}

void CEditGrid::InsertColumn(int column, const QString& title, int width, Qt::Alignment alignment) {
    const int count = columnCount();
    column = std::clamp(column, 0, count);
    QTreeWidgetItem* head = headerItem();
    QStringList titles;
    QList<Qt::Alignment> alignments;
    QList<int> widths;
    for (int c = 0; c < count; ++c) {
        titles.append(head->text(c));
        alignments.append(Qt::Alignment(head->textAlignment(c)));
        widths.append(columnWidth(c));
    }
    titles.insert(column, title);
    alignments.insert(column, alignment);
    widths.insert(column, width);
    // Cells of existing rows move right with their columns.
    for (int r = 0; r < topLevelItemCount(); ++r) {
        QTreeWidgetItem* item = topLevelItem(r);
        for (int c = count; c > column; --c)
            item->setText(c, item->text(c - 1));
        item->setText(column, QString());
    }
    setColumnCount(count + 1);
    for (int c = 0; c <= count; ++c) {
        head->setText(c, titles[c]);
        head->setTextAlignment(c, alignments[c] | Qt::AlignVCenter);
        setColumnWidth(c, widths[c]);
    }
}

int CEditGrid::InsertRow(int row, const QString& text) {
    row = std::clamp(row, 0, topLevelItemCount());
    auto* item = new QTreeWidgetItem;
    item->setText(0, text);
    insertTopLevelItem(row, item);
    return row;
}

void CEditGrid::SetItemText(int row, int column, const QString& text) {
    if (QTreeWidgetItem* item = topLevelItem(row); item && column >= 0 && column < columnCount())
        item->setText(column, text);
}

QString CEditGrid::ItemText(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

void CEditGrid::EditCell(int row, int column) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item || column < 0 || column >= columnCount())
        return;
    setCurrentItem(item);
    setFocus(Qt::OtherFocusReason);
    if (editLabels_ && !IsReadOnly(column))
        OpenEditor(row, column);
}

CEditGrid::Cell CEditGrid::CellAt(const QPoint& viewportPoint) const {
    const QTreeWidgetItem* item = itemAt(viewportPoint);
    if (!item)
        return {};
    const int row = indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
    for (int c = 0; c < columnCount(); ++c) {
        const int left = ColumnLeft(c);
        if (viewportPoint.x() >= left && viewportPoint.x() < left + columnWidth(c))
            return {row, c};
    }
    return {};
}

int CEditGrid::ColumnLeft(int column) const {
    int left = -horizontalOffset();
    for (int c = 0; c < column; ++c)
        left += columnWidth(c);
    return left;
}

void CEditGrid::ScrollColumnIntoView(int column) {
    const int left = ColumnLeft(column);
    const int width = columnWidth(column);
    const int client = viewport()->width();
    int dx = 0;
    if (left >= 0 && left <= client && left + width > client)
        dx = left + width - client; // cut off on the right: bring it fully in
    else if (left >= 0 && left + width <= client)
        dx = 0; // already in view
    else
        dx = left; // hidden on the left or beyond the right edge
    if (dx != 0)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
}

QRect CEditGrid::CellRect(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return {};
    const QRect rowRect = visualItemRect(item);
    const int left = ColumnLeft(column);
    const int right = std::min(left + columnWidth(column), viewport()->width());
    return QRect(QPoint(left, rowRect.top()), QPoint(right - 1, rowRect.bottom()));
}

void CEditGrid::OpenEditor(int row, int column) {
    if (CCellEdit::Instance() || IsReadOnly(column))
        return;
    if (QTreeWidgetItem* item = topLevelItem(row))
        scrollTo(indexFromItem(item));
    ScrollColumnIntoView(column);
    if (CCellEdit::Start(this, CellRect(row, column), row, column, allowed_, ItemText(row, column)))
        editedRow_ = row;
}

void CEditGrid::EndCellEdit(int row, int column, const QString& text) {
    editedRow_ = -1;
    SetItemText(row, column, text);
    emit CellChanged(row, column, text);
}

void CEditGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const int horizontal = horizontalScrollBar()->value();
    QTreeWidget::scrollTo(index, hint);
    horizontalScrollBar()->setValue(horizontal);
}

void CEditGrid::mousePressEvent(QMouseEvent* event) {
    const Cell cell =
        event->button() == Qt::LeftButton ? CellAt(event->position().toPoint()) : Cell{};
    QTreeWidget::mousePressEvent(event);
    if (!cell.IsValid() || (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)))
        return;
    if (currentIndex().row() == cell.row && editLabels_ && !IsReadOnly(cell.column))
        OpenEditor(cell.row, cell.column);
}

void CEditGrid::wheelEvent(QWheelEvent* event) {
    setFocus(Qt::OtherFocusReason);
    QTreeWidget::wheelEvent(event);
}

void CEditGrid::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    viewport()->update(); // the focused row shows the selection colours only with the focus
}

void CEditGrid::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    viewport()->update();
}

QColor CEditGrid::CellBackground(int column) const {
    return IsReadOnly(column) ? CurrentColourScheme().readOnly : palette().color(QPalette::Base);
}

Qt::Alignment CEditGrid::ColumnAlignment(int column) const {
    return Qt::Alignment(headerItem()->textAlignment(column)) & Qt::AlignHorizontal_Mask;
}

void CEditGrid::paintEvent(QPaintEvent* event) {
    {
        // The background column by column, so read-only columns stay grey below the last row.
        QPainter painter(viewport());
        const int height = viewport()->height();
        int left = ColumnLeft(0);
        for (int c = 0; c < columnCount(); ++c) {
            painter.fillRect(QRect(left, 0, columnWidth(c), height), CellBackground(c));
            left += columnWidth(c);
        }
        if (left < viewport()->width())
            painter.fillRect(QRect(left, 0, viewport()->width() - left, height),
                             palette().color(QPalette::Base));
    }
    QTreeWidget::paintEvent(event);
}

void CEditGrid::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    const int row = index.row();
    const bool highlighted = hasFocus() && currentIndex().row() == row &&
                             selectionModel()->isRowSelected(row, index.parent());
    const QTreeWidgetItem* item = itemFromIndex(index);
    const int inset = fontMetrics().horizontalAdvance(QLatin1Char(' '));
    painter->save();
    painter->setFont(font());
    for (int c = 0; c < columnCount(); ++c) {
        const QRect cell(ColumnLeft(c), option.rect.top(), columnWidth(c), option.rect.height());
        if (cell.width() <= 0)
            continue;
        painter->fillRect(cell,
                          highlighted ? palette().color(QPalette::Highlight) : CellBackground(c));
        painter->setPen(palette().color(highlighted ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(cell.adjusted(inset, 0, -inset, 0),
                          int(ColumnAlignment(c)) | Qt::AlignVCenter | Qt::TextSingleLine,
                          item ? item->text(c) : QString());
    }
    painter->restore();
}
