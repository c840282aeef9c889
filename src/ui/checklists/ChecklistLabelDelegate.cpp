#include "ui/checklists/ChecklistLabelDelegate.h"

#include "core/checklists/ChecklistLevelTexts.h"

#include <QLineEdit>
#include <QMetaObject>

void CChecklistLabelDelegate::ForgetRefusal() const {
    refusedIndex_ = QPersistentModelIndex();
    refusedText_.clear();
}

void CChecklistLabelDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && refusedIndex_.isValid() && refusedIndex_ == index) {
        line->setText(refusedText_);
        ForgetRefusal();
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CChecklistLabelDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                           const QModelIndex& index) const {
    const auto* line = qobject_cast<QLineEdit*>(editor);
    const Status fits = line ? CheckChecklistLabel(line->text()) : Status();
    if (fits) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    refusedIndex_ = index;
    refusedText_ = line->text();
    // The editor is still closing here; the message and the next editor come after it.
    const QPersistentModelIndex refused(index);
    const QString message = fits.error().text;
    auto* self = const_cast<CChecklistLabelDelegate*>(this);
    QMetaObject::invokeMethod(
        self, [self, refused, message] { emit self->LabelRefused(refused, message); },
        Qt::QueuedConnection);
}
