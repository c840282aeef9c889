#include "ui/framework/WrappingRowDelegate.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QTreeView>

CWrappingRowDelegate::CWrappingRowDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view), view_(view) {
    view->setItemDelegate(this);
    view->setTextElideMode(Qt::ElideNone);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (auto* tree = qobject_cast<QTreeView*>(view)) {
        tree->setWordWrap(true);
        tree->setUniformRowHeights(false);
    }
    viewport_ = view->viewport();
    viewport_->installEventFilter(this);
}

int CWrappingRowDelegate::CellWidth() const {
    // One column over the viewport; a tree's top-level cells give up its indentation when the
    // root is decorated.
    int width = view_->viewport()->width();
    if (const auto* tree = qobject_cast<const QTreeView*>(view_); tree && tree->rootIsDecorated())
        width -= tree->indentation();
    return std::max(1, width);
}

bool CWrappingRowDelegate::eventFilter(QObject* watched, QEvent* event) {
    // Compared with the viewport kept at the start: while the view is being destroyed its
    // viewport still sends events, and the view can no longer be asked for it.
    if (watched != viewport_) // the base class watches the item editors
        return QStyledItemDelegate::eventFilter(watched, event);
    if (event->type() == QEvent::Resize && CellWidth() != measuredWidth_) {
        // After the resize has settled: measuring inside it could bring the scroll bar back
        // and forth.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (CellWidth() != measuredWidth_)
                    view_->doItemsLayout();
            },
            Qt::QueuedConnection);
    }
    return false;
}

QSize CWrappingRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    // The style measures a wrapped text at the option's width, the width the view will paint
    // the cell at; the view itself asks without one.
    QStyleOptionViewItem cell(option);
    cell.rect = QRect(0, 0, CellWidth(), 1 << 16); // a valid rectangle, or the style ignores it
    cell.features |= QStyleOptionViewItem::WrapText;
    measuredWidth_ = cell.rect.width();
    return {cell.rect.width(), QStyledItemDelegate::sizeHint(cell, index).height()};
}
