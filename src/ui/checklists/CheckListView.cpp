#include "ui/checklists/CheckListView.h"

#include "core/checklists/ChecklistData.h"
#include "core/checklists/ChecklistItemText.h"
#include "core/checklists/ChecklistStep.h"
#include "resource.h"
#include "ui/checklists/ChecklistEditDlg.h"
#include "ui/checklists/ChecklistQuestionKeys.h"
#include "ui/checklists/ChecklistStepButton.h"
#include "ui/checklists/ChecklistStepKeys.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/WrappingRowDelegate.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

// The tab shown while no aircraft is there to give the tab control its own tabs.
const QString kPlaceholderTab = QStringLiteral(" ");

// Refills a drop-down list with entries and their record offsets, selecting the first entry.
void FillOffsets(QComboBox* list, const QList<ChecklistEntry>& entries) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const ChecklistEntry& entry : entries)
        list->addItem(entry.text, entry.offset);
    list->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

} // namespace

CCheckListView::CCheckListView(CTrevallionDoc& document, QWidget* parent)
    : CCustomFormView(kTemplates, QStringLiteral("Checklist"), parent), document_(document) {}

ChecklistData& CCheckListView::Checklists() const {
    return document_.Checklists();
}

QWidget* CCheckListView::CreateControl(const ControlTemplate& control) {
    if (control.id == IDC_CHECKLIST_STEP)
        return new CChecklistStepButton(this);
    return nullptr;
}

void CCheckListView::OnInitialUpdate() {
    SetViewTitle(QStringLiteral("Checklist"));
    CCustomFormView::OnInitialUpdate();
    aircraft_ = Combo(IDC_CHECKLIST_AIRCRAFT);
    tabs_ = Item<QTabBar>(IDC_CHECKLIST_TABS);
    groups_ = Combo(IDC_CHECKLIST_GROUPS);
    subGroups_ = Combo(IDC_CHECKLIST_SUBGROUPS);
    items_ = Item<QTreeWidget>(IDC_CHECKLIST_ITEMS);
    if (!aircraft_ || !tabs_ || !groups_ || !subGroups_ || !items_ || !Button(IDC_CHECKLIST_STEP))
        return; // a broken template: the resource test names it

    // One column over the whole width, whole rows selected; a long check wraps onto more lines
    // of its row instead of being cut.
    items_->setColumnCount(1);
    new CWrappingRowDelegate(items_);
    items_->header()->setStretchLastSection(true);
    items_->setSelectionBehavior(QAbstractItemView::SelectRows);
    items_->setSelectionMode(QAbstractItemView::SingleSelection);
    items_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SetDlgItemText(IDC_CHECKLIST_STEP, QString());
    tabs_->addTab(kPlaceholderTab);

    connect(aircraft_, &QComboBox::currentIndexChanged, this, [this] { OnAircraftChosen(); });
    connect(tabs_, &QTabBar::currentChanged, this, [this] { OnTabChosen(); });
    connect(groups_, &QComboBox::currentIndexChanged, this, [this] { OnGroupChosen(); });
    connect(subGroups_, &QComboBox::currentIndexChanged, this, [this] { OnSubGroupChosen(); });
    connect(items_, &QTreeWidget::currentItemChanged, this, [this] { OnItemSelected(); });
    Bind(IDC_CHECKLIST_STEP, [this] { Step(); });
    Bind(IDC_CHECKLIST_EDIT, [this] { OnEdit(); });
    // The stepping keys work wherever the focus rests between steps: the list or the button.
    items_->installEventFilter(this);
    GetDlgItem(IDC_CHECKLIST_STEP)->installEventFilter(this);
    setFocusProxy(items_);

    FillAircraft();
}

void CCheckListView::EnableLists(bool enabled) {
    for (int id : {IDC_CHECKLIST_AIRCRAFT, IDC_CHECKLIST_TABS, IDC_CHECKLIST_GROUPS,
                   IDC_CHECKLIST_SUBGROUPS, IDC_CHECKLIST_ITEMS, IDC_CHECKLIST_STEP})
        GetDlgItem(id)->setEnabled(enabled);
}

void CCheckListView::FillAircraft(const QString& name) {
    if (!aircraft_)
        return;
    const QStringList names = Checklists().AircraftNames();
    {
        const QSignalBlocker quiet(aircraft_);
        aircraft_->clear();
        for (int i = 0; i < names.size(); ++i)
            aircraft_->addItem(names[i], i);
        int index = name.isEmpty() ? 0 : aircraft_->findText(name, Qt::MatchExactly);
        if (index < 0)
            index = 0;
        aircraft_->setCurrentIndex(names.isEmpty() ? -1 : index);
    }
    EnableLists(!names.isEmpty());
    OnAircraftChosen();
}

void CCheckListView::OnAircraftChosen() {
    const int aircraft = aircraft_->currentIndex();
    const QList<ChecklistEntry> tabs = aircraft < 0
                                           ? QList<ChecklistEntry>()
                                           : Checklists().TabsOf(aircraft_->currentData().toInt());
    {
        const QSignalBlocker quiet(tabs_);
        while (tabs_->count() > 0)
            tabs_->removeTab(0);
        for (const ChecklistEntry& tab : tabs)
            tabs_->setTabData(tabs_->addTab(tab.text), tab.offset);
        if (aircraft < 0)
            tabs_->addTab(kPlaceholderTab);
        tabs_->setCurrentIndex(tabs.isEmpty() ? -1 : 0);
    }
    OnTabChosen();
    if (!tabs.isEmpty())
        items_->setFocus();
}

void CCheckListView::OnTabChosen() {
    const int tab = tabs_->currentIndex();
    const QVariant offset = tab < 0 ? QVariant() : tabs_->tabData(tab);
    FillOffsets(groups_,
                offset.isValid() ? Checklists().GroupsOf(offset.toInt()) : QList<ChecklistEntry>());
    OnGroupChosen();
}

void CCheckListView::OnGroupChosen() {
    const QVariant offset = groups_->currentData();
    FillOffsets(subGroups_, offset.isValid() ? Checklists().SubGroupsOf(offset.toInt())
                                             : QList<ChecklistEntry>());
    OnSubGroupChosen();
}

void CCheckListView::OnSubGroupChosen() {
    const QVariant offset = subGroups_->currentData();
    const QStringList texts =
        offset.isValid() ? Checklists().ItemsOf(offset.toInt()) : QStringList();
    {
        const QSignalBlocker quiet(items_);
        items_->clear();
        for (const QString& text : texts)
            items_->addTopLevelItem(new QTreeWidgetItem(QStringList{text}));
    }
    OnItemSelected();
    if (!texts.isEmpty())
        SelectItem(0);
    update();
}

void CCheckListView::OnItemSelected() {
    const QTreeWidgetItem* item = items_->currentItem();
    SetDlgItemText(IDC_CHECKLIST_STEP, item ? ItemButtonText(item->text(0)) : QString());
    FitStepButton();
}

void CCheckListView::Relayout() {
    CCustomFormView::Relayout();
    // Where the template puts the list and the button, before the button grows.
    if (const QWidget* list = GetDlgItem(IDC_CHECKLIST_ITEMS))
        listRect_ = list->geometry();
    if (const QWidget* step = GetDlgItem(IDC_CHECKLIST_STEP))
        stepRect_ = step->geometry();
    FitStepButton();
}

void CCheckListView::FitStepButton() {
    auto* step = qobject_cast<CChecklistStepButton*>(GetDlgItem(IDC_CHECKLIST_STEP));
    if (!step || !items_ || stepRect_.isEmpty() || listRect_.isEmpty())
        return; // not laid out yet
    // The button grows upwards over the list for a check its height cannot hold, leaving the
    // list at least two rows; what still does not fit is drawn smaller by the button.
    const int smallestList = 2 * items_->fontMetrics().height() + 2 * items_->frameWidth() + 4;
    const int room = std::max(0, listRect_.height() - smallestList);
    const int grow =
        std::clamp(step->HeightForText(stepRect_.width()) - stepRect_.height(), 0, room);
    items_->setGeometry(listRect_.adjusted(0, 0, 0, -grow));
    step->setGeometry(stepRect_.adjusted(0, -grow, 0, 0));
    items_->doItemsLayout(); // the rows wrap at the list's new width
    if (QTreeWidgetItem* item = items_->currentItem())
        items_->scrollToItem(item);
}

void CCheckListView::SelectItem(int row) {
    QTreeWidgetItem* item = items_->topLevelItem(row);
    if (!item)
        return;
    items_->setCurrentItem(item);
    items_->scrollToItem(item);
    items_->setFocus();
}

void CCheckListView::Step() {
    const int subGroup = subGroups_ ? subGroups_->currentIndex() : -1;
    if (subGroup < 0)
        return; // nothing to step through
    QStringList names;
    for (int i = 0; i < subGroups_->count(); ++i)
        names.append(subGroups_->itemText(i));
    QTreeWidgetItem* current = items_->currentItem();
    const int row = current ? items_->indexOfTopLevelItem(current) : -1;
    const ChecklistStep step = StepChecklist(row, items_->topLevelItemCount(), names, subGroup);
    const CChecklistQuestionKeys answerKeys; // the stepping keys answer the box below too
    switch (step.kind) {
    case ChecklistStep::kSelectItem:
        SelectItem(step.item);
        return;
    case ChecklistStep::kEndOfGroup:
        ShowMessage(step.message, MessageButtons::Ok, MessageIcon::Information);
        return;
    case ChecklistStep::kOfferSubGroup:
        if (ShowMessage(step.message, MessageButtons::OkCancel, MessageIcon::Question) != kIdOk)
            return;
        {
            const QSignalBlocker quiet(subGroups_);
            subGroups_->setCurrentIndex(step.subGroup);
        }
        OnSubGroupChosen();
        return;
    }
}

void CCheckListView::OnEdit() {
    const QString shown = aircraft_ ? aircraft_->currentText() : QString();
    CChecklistEditDlg editor(Checklists(), window());
    editor.DoModal();
    FillAircraft(shown);
}

bool CCheckListView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsChecklistStepKey(key->key(), key->modifiers())) {
            Step();
            return true;
        }
    }
    return CCustomFormView::eventFilter(watched, event);
}

void CCheckListView::keyPressEvent(QKeyEvent* event) {
    if (IsChecklistStepKey(event->key(), event->modifiers()) && items_ && items_->isEnabled()) {
        Step();
        return;
    }
    CCustomFormView::keyPressEvent(event);
}
