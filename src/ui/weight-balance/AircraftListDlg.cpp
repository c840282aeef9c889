#include "ui/weight-balance/AircraftListDlg.h"

#include "core/common/Clock.h"
#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/FleetEdits.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/weight-balance/AircraftDlg.h"
#include "ui/weight-balance/AircraftTypeDlg.h"
#include "ui/weight-balance/FleetDialogParts.h"

#include <QTreeWidget>

namespace {

// The node's data: the type id for a type node, the negated aircraft id for an aircraft node.
int NodeData(const QTreeWidgetItem* item) {
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

} // namespace

CAircraftListDlg::CAircraftListDlg(AircraftStore& store, QWidget* parent)
    : CCalcDialog(kTemplates, parent), store_(store) {}

bool CAircraftListDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    auto* tree = Item<QTreeWidget>(IDC_AL_TREE);
    if (!tree)
        return false;
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setIndentation(12);
    connect(tree, &QTreeWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    Bind(IDC_AL_NEW_TYPE, [this] { OnNewType(); });
    Bind(IDC_AL_NEW_AIRCRAFT, [this] { OnNewAircraft(); });
    Bind(IDC_AL_EDIT, [this] { OnEdit(); });
    Bind(IDC_AL_DELETE, [this] { OnDelete(); });
    Bind(IDC_AL_COPY, [this] { OnCopy(); });
    FillTree();
    return true;
}

void CAircraftListDlg::FillTree() {
    auto* tree = Item<QTreeWidget>(IDC_AL_TREE);
    tree->clear();
    for (const AircraftType& type : store_.Types()) {
        auto* node = new QTreeWidgetItem(tree, {type.name});
        node->setData(0, Qt::UserRole, type.id);
        for (const Aircraft& aircraft : store_.AircraftOfType(type.id)) {
            auto* child = new QTreeWidgetItem(node, {aircraft.ident});
            child->setData(0, Qt::UserRole, -aircraft.id);
        }
    }
    tree->expandAll();
}

void CAircraftListDlg::SelectNode(const QString& label) {
    auto* tree = Item<QTreeWidget>(IDC_AL_TREE);
    const QList<QTreeWidgetItem*> found =
        tree->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return;
    QTreeWidgetItem* item = found.first();
    if (item->parent())
        item->parent()->setExpanded(true);
    tree->setCurrentItem(item);
    item->setSelected(true);
    tree->scrollToItem(item);
}

QString CAircraftListDlg::SelectedLabel() const {
    const QTreeWidgetItem* item = Item<QTreeWidget>(IDC_AL_TREE)->currentItem();
    return item && item->isSelected() ? item->text(0) : QString();
}

const Aircraft* CAircraftListDlg::SelectedAircraft() const {
    const QTreeWidgetItem* item = Item<QTreeWidget>(IDC_AL_TREE)->currentItem();
    const int data = item && item->isSelected() ? NodeData(item) : 0;
    return data < 0 ? store_.FindAircraft(-data) : nullptr;
}

const AircraftType* CAircraftListDlg::SelectedType() const {
    const QTreeWidgetItem* item = Item<QTreeWidget>(IDC_AL_TREE)->currentItem();
    if (!item || !item->isSelected())
        return nullptr;
    if (const Aircraft* aircraft = SelectedAircraft())
        return store_.FindAircraftType(aircraft->typeId);
    return store_.FindAircraftType(NodeData(item));
}

bool CAircraftListDlg::EditType(AircraftType& type, const QString& nameAtOpening) {
    CAircraftTypeDlg dialog(type, nameAtOpening, store_, this);
    if (dialog.DoModal() != kIdOk)
        return false;
    type = dialog.Result();
    return true;
}

bool CAircraftListDlg::EditAircraft(Aircraft& aircraft, const QString& identAtOpening) {
    CAircraftDlg dialog(aircraft, identAtOpening, store_, this);
    if (dialog.DoModal() != kIdOk)
        return false;
    aircraft = dialog.Result();
    return true;
}

void CAircraftListDlg::AfterChange(const Status& stored, const QString& label) {
    ShowStatus(stored);
    FillTree();
    SelectNode(label);
}

void CAircraftListDlg::OnNewType() {
    AircraftType type = NewAircraftType(CurrentAppState().settings.metric);
    if (EditType(type, {}))
        AfterChange(StoreNewType(store_, type, CurrentClock().NowUtc()), type.name);
}

void CAircraftListDlg::OnNewAircraft() {
    const AircraftType* type = SelectedType();
    if (!type && !store_.Types().isEmpty())
        type = &store_.Types().first();
    Aircraft aircraft = NewAircraft(type ? type->id : 0);
    if (EditAircraft(aircraft, {}))
        AfterChange(store_.AddAircraft(aircraft), aircraft.ident);
}

void CAircraftListDlg::OnEdit() {
    if (const Aircraft* selected = SelectedAircraft()) {
        Aircraft aircraft = *selected;
        if (EditAircraft(aircraft, aircraft.ident))
            AfterChange(StoreEditedAircraft(store_, aircraft), aircraft.ident);
    } else if (const AircraftType* selectedType = SelectedType()) {
        AircraftType type = *selectedType;
        if (EditType(type, type.name))
            AfterChange(StoreEditedType(store_, type, CurrentClock().NowUtc()), type.name);
    }
}

void CAircraftListDlg::OnCopy() {
    if (const Aircraft* selected = SelectedAircraft()) {
        Aircraft aircraft = CopyAsNew(*selected);
        if (EditAircraft(aircraft, {}))
            AfterChange(store_.AddAircraft(aircraft), aircraft.ident);
    } else if (const AircraftType* selectedType = SelectedType()) {
        AircraftType type = CopyAsNew(*selectedType);
        if (EditType(type, {}))
            AfterChange(StoreNewType(store_, type, CurrentClock().NowUtc()), type.name);
    }
}

void CAircraftListDlg::OnDelete() {
    if (const Aircraft* selected = SelectedAircraft()) {
        const int id = selected->id;
        const QString parent = store_.FindAircraftType(selected->typeId)
                                   ? store_.FindAircraftType(selected->typeId)->name
                                   : QString();
        if (ShowMessage(DeleteAircraftQuestion(*selected), MessageButtons::OkCancel,
                        MessageIcon::Question) == kIdOk)
            AfterChange(store_.DeleteAircraft(id), parent);
        return;
    }
    const AircraftType* type = SelectedType();
    if (!type)
        return;
    const Outcome<QString> question = DeleteTypeQuestion(store_, *type);
    if (!question.ok()) {
        ShowStatus(question.error());
        return;
    }
    const int id = type->id;
    if (ShowMessage(question.value(), MessageButtons::OkCancel, MessageIcon::Question) == kIdOk)
        AfterChange(store_.DeleteAircraftType(id), QString());
}

void ShowAircraftList(CTrevallionDoc& document, QWidget* owner) {
    CAircraftListDlg dialog(document.Aircraft(), owner);
    dialog.DoModal();
}
