#include "ui/checklists/ChecklistEditDlg.h"

#include "core/checklists/ChecklistEditSave.h"
#include "core/checklists/ChecklistLevelTexts.h"
#include "core/common/resources/Resources.h"
#include "resource.h"
#include "ui/checklists/ChecklistLabelDelegate.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/DialogUnits.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QString kNewLabel = QStringLiteral("New");

int LevelOf(const QTreeWidgetItem* item) {
    return item->data(0, Qt::UserRole).toInt();
}

QTreeWidgetItem* NewTreeItem(int level, const QString& text) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, Qt::UserRole, level);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
    return item;
}

void AddNodes(QTreeWidgetItem* parent, QTreeWidget* tree, const QList<ChecklistNode>& nodes) {
    for (const ChecklistNode& node : nodes) {
        QTreeWidgetItem* item = NewTreeItem(node.level, node.text);
        if (parent)
            parent->addChild(item);
        else
            tree->addTopLevelItem(item);
        AddNodes(item, tree, node.children);
    }
}

ChecklistNode NodeOf(const QTreeWidgetItem* item) {
    ChecklistNode node{LevelOf(item), item->text(0), {}};
    for (int i = 0; i < item->childCount(); ++i)
        node.children.append(NodeOf(item->child(i)));
    return node;
}

// The bottom of a template's lowest control, in pixels.
int TemplateBottom(int templateId) {
    int bottom = 0;
    if (const DialogTemplate* found = FindDialogTemplate(templateId))
        for (const ControlTemplate& control : found->controls)
            bottom = std::max(bottom, ControlPixelRect(control).bottom());
    return bottom;
}

} // namespace

CChecklistEditDlg::CChecklistEditDlg(ChecklistData& data, QWidget* parent, QString path)
    : CCalcDialog(kTemplates, parent), data_(data),
      path_(path.isEmpty() ? ChecklistFilePath() : std::move(path)) {}

bool CChecklistEditDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    tree_ = Item<QTreeWidget>(IDC_CHECKLIST_TREE);
    if (!tree_)
        return false;
    // The square screen keeps OK beside its Cancel in the title: the edit is saved with it.
    if (QWidget* ok = GetDlgItem(kIdOk))
        ok->show();
    tree_->setColumnCount(1);
    // Five levels fit a small screen with a narrow indent; long texts scroll sideways.
    tree_->setIndentation(12);
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    labels_ = new CChecklistLabelDelegate(tree_);
    tree_->setItemDelegate(labels_);
    connect(labels_, &CChecklistLabelDelegate::LabelRefused, this,
            &CChecklistEditDlg::OnLabelRefused);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { OnSelectionChanged(); });
    Bind(IDC_CHECKLIST_ADD, [this] { OnAdd(); });
    Bind(IDC_CHECKLIST_ADD_CHILD, [this] { OnAddChild(); });
    Bind(IDC_CHECKLIST_DELETE, [this] { OnDelete(); });
    FillTree();
    FitTemplateToHeight();
    return true;
}

void CChecklistEditDlg::FillTree() {
    tree_->clear();
    AddNodes(nullptr, tree_, BuildChecklistTree(data_.Records()));
    tree_->setCurrentItem(tree_->topLevelItem(0));
    OnSelectionChanged();
}

QList<ChecklistNode> CChecklistEditDlg::TreeNodes() const {
    QList<ChecklistNode> roots;
    for (int i = 0; tree_ && i < tree_->topLevelItemCount(); ++i)
        roots.append(NodeOf(tree_->topLevelItem(i)));
    return roots;
}

void CChecklistEditDlg::OnSelectionChanged() {
    const QTreeWidgetItem* selected = tree_->currentItem();
    // Without a selection (an empty tree) Add creates the first aircraft.
    const ChecklistLevelButtons texts = ButtonsForLevel(selected ? LevelOf(selected) : 0);
    SetDlgItemText(IDC_CHECKLIST_ADD, QString::fromLatin1(texts.add));
    SetDlgItemText(IDC_CHECKLIST_DELETE, QString::fromLatin1(texts.remove));
    if (QWidget* addChild = GetDlgItem(IDC_CHECKLIST_ADD_CHILD)) {
        if (texts.addChild)
            SetDlgItemText(IDC_CHECKLIST_ADD_CHILD, QString::fromLatin1(texts.addChild));
        addChild->setVisible(texts.addChild != nullptr);
        addChild->setEnabled(selected != nullptr);
    }
    GetDlgItem(IDC_CHECKLIST_DELETE)->setEnabled(selected != nullptr);
}

void CChecklistEditDlg::OnAdd() {
    QTreeWidgetItem* selected = tree_->currentItem();
    QTreeWidgetItem* item = NewTreeItem(selected ? LevelOf(selected) : 0, kNewLabel);
    if (!selected)
        tree_->addTopLevelItem(item);
    else if (QTreeWidgetItem* parent = selected->parent())
        parent->insertChild(parent->indexOfChild(selected) + 1, item);
    else
        tree_->insertTopLevelItem(tree_->indexOfTopLevelItem(selected) + 1, item);
    StartEditing(item);
}

void CChecklistEditDlg::OnAddChild() {
    QTreeWidgetItem* selected = tree_->currentItem();
    if (!selected || !ButtonsForLevel(LevelOf(selected)).addChild)
        return; // items hold no entries
    QTreeWidgetItem* item = NewTreeItem(LevelOf(selected) + 1, kNewLabel);
    selected->addChild(item);
    selected->setExpanded(true);
    StartEditing(item);
}

void CChecklistEditDlg::StartEditing(QTreeWidgetItem* item) {
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);
    tree_->setFocus();
    tree_->editItem(item, 0);
}

void CChecklistEditDlg::OnDelete() {
    QTreeWidgetItem* selected = tree_->currentItem();
    if (!selected)
        return;
    const QString question = DeleteQuestion(LevelOf(selected), selected->text(0));
    if (ShowMessage(question, MessageButtons::YesNo, MessageIcon::Question) != kIdYes)
        return;
    delete selected; // with everything below it
    OnSelectionChanged();
    tree_->setFocus();
}

void CChecklistEditDlg::OnLabelRefused(const QPersistentModelIndex& index, const QString& message) {
    ShowMessage(message, MessageButtons::Ok, MessageIcon::Error);
    if (!index.isValid()) {
        labels_->ForgetRefusal(); // the entry is gone
        return;
    }
    // Editing goes on with the refused text, so the pilot can shorten or complete it.
    tree_->setCurrentIndex(index);
    tree_->setFocus();
    tree_->edit(index);
}

void CChecklistEditDlg::CommitOpenLabel() {
    QWidget* open = tree_->indexWidget(tree_->currentIndex());
    if (!open)
        return;
    emit labels_->commitData(open);
    emit labels_->closeEditor(open);
}

void CChecklistEditDlg::OnOK() {
    // A label still being edited counts; one the file cannot hold keeps the dialog open (its
    // message and the editor come back next).
    CommitOpenLabel();
    if (labels_->HasRefusal())
        return;
    const Outcome<QByteArray> area = ChecklistAreaFromTree(TreeNodes());
    if (!area) {
        ShowStatus(area.error());
        return;
    }
    const Outcome<bool> stored = StoreEditedChecklists(data_, area.value(), path_);
    if (!stored) {
        // Nothing is lost: the tree stays for another try or Cancel.
        ShowStatus(stored.error());
        return;
    }
    CCalcDialog::OnOK();
}

void CChecklistEditDlg::FitTemplateToHeight() {
    // There is no landscape template: a screen too low for the portrait one (landscape) takes
    // the square one's positions, which list the same controls.
    const DeviceScreen& screen = CurrentPlatform().Screen();
    if (!tree_ || screen.IsSquare())
        return;
    const bool low = screen.Height() <= TemplateBottom(kTemplates.portrait);
    const int wanted = low ? kTemplates.square : kTemplates.portrait;
    if (CurrentLayoutId() != wanted)
        ApplyTemplateGeometry(wanted);
}

void CChecklistEditDlg::resizeEvent(QResizeEvent* event) {
    CCalcDialog::resizeEvent(event);
    FitTemplateToHeight();
}
