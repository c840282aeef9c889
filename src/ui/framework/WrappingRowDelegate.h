#pragma once
// Rows of a one-column item view whose text wraps at word breaks onto as many lines as it needs,
// so a long entry is read whole instead of cut with "...". The view keeps word wrap on and row
// heights free; the delegate measures each row at the width its text gets in the viewport.

#include <QStyledItemDelegate>

class QAbstractItemView;

class CWrappingRowDelegate : public QStyledItemDelegate {
public:
    // Installs itself on the view (which owns it) and sets the view up for wrapped rows.
    explicit CWrappingRowDelegate(QAbstractItemView* view);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // A viewport that changes width (a scroll bar comes or goes) measures the rows again.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int CellWidth() const;

    QAbstractItemView* view_;
    QObject* viewport_ = nullptr;    // the view's viewport, watched for its resizes
    mutable int measuredWidth_ = -1; // the cell width the rows were last measured at
};
