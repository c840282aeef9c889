#pragma once
// Edits the labels of the checklist editor's tree in place and refuses, before it reaches the
// tree, a label the checklist file cannot hold (empty, or over 254 bytes of UTF-8). A refused
// label is reported through LabelRefused once the editor has closed; the next editor opened on
// the same entry starts with the refused text, so the pilot can correct it.

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

class CChecklistLabelDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // A label was refused and its editor has not been opened again yet.
    bool HasRefusal() const { return refusedIndex_.isValid(); }
    void ForgetRefusal() const;

signals:
    // Sent queued: the entry whose label was refused and the message that says why.
    void LabelRefused(const QPersistentModelIndex& index, const QString& message);

private:
    mutable QPersistentModelIndex refusedIndex_;
    mutable QString refusedText_;
};
