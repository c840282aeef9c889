#pragma once
// The checklist editor ("Checklists"): the whole hierarchy of the document's checklists as a
// tree whose labels are edited in place. Add puts a "New" entry beside the selected one, Add2 one
// below it (not below an item), Delete removes an entry with everything under it after asking.
// OK writes checklist.db only when the records changed; a failed write is reported and the
// dialog stays open with its tree, the file and the document's checklists as they were. Cancel
// changes nothing.

#include "core/checklists/ChecklistTree.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CChecklistLabelDelegate;
class ChecklistData;
class QTreeWidget;
class QTreeWidgetItem;

class CChecklistEditDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_CHECKLIST_EDIT_P, 0, IDD_CHECKLIST_EDIT_S};

    // `data` is borrowed and must outlive the dialog; OK writes it to `path`.
    CChecklistEditDlg(ChecklistData& data, QWidget* parent = nullptr, QString path = QString());

    // The tree as it stands, in the editor's order.
    QList<ChecklistNode> TreeNodes() const;

    void OnAdd();
    void OnAddChild();
    void OnDelete();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FillTree();
    void OnSelectionChanged();
    void StartEditing(QTreeWidgetItem* item);
    void OnLabelRefused(const QPersistentModelIndex& index, const QString& message);
    void FitTemplateToHeight();
    // Ends the label editing in progress, keeping the typed text when the file can hold it.
    void CommitOpenLabel();

    ChecklistData& data_;
    QString path_;
    QTreeWidget* tree_ = nullptr;
    CChecklistLabelDelegate* labels_ = nullptr;
};
