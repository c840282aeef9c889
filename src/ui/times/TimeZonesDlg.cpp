#include "ui/times/TimeZonesDlg.h"

#include "ui/framework/DeviceScreen.h"
#include "ui/times/TimeZoneDlg.h"

#include <QTreeWidget>

CTimeZonesDlg::CTimeZonesDlg(WorldClocks clocks, QWidget* parent)
    : CCalcDialog(kTemplates, parent), clocks_(std::move(clocks)) {}

QTreeWidget* CTimeZonesDlg::List() const {
    return Item<QTreeWidget>(IDC_ZONES_LIST);
}

bool CTimeZonesDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    List()->setColumnCount(1);
    for (const WorldClock& place : clocks_.places)
        AddRow(place);
    Bind(IDC_ZONES_ADD, [this] { Add(); });
    Bind(IDC_ZONES_REMOVE, [this] { Remove(); });
    Bind(IDC_ZONES_EDIT, [this] { EditPlace(); });
    // A square screen hides the dialog buttons; "Close" is the only way out of this one.
    if (CurrentPlatform().Screen().IsSquare())
        if (QWidget* close = GetDlgItem(kIdOk))
            close->show();
    return true;
}

void CTimeZonesDlg::resizeEvent(QResizeEvent* event) {
    CCalcDialog::resizeEvent(event);
    if (QTreeWidget* list = List())
        list->setColumnWidth(0, list->width() - 20);
}

void CTimeZonesDlg::AddRow(const WorldClock& place) {
    auto* row = new QTreeWidgetItem(List(), QStringList{place.name});
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, place.Shown() ? Qt::Checked : Qt::Unchecked);
}

int CTimeZonesDlg::SelectedRow() const {
    QTreeWidgetItem* current = List()->currentItem();
    return current && current->isSelected() ? List()->indexOfTopLevelItem(current) : -1;
}

void CTimeZonesDlg::Add() {
    CTimeZoneDlg zone(WorldClock{QString(), WorldClocks::kNewPlaceKey}, true, this);
    if (zone.DoModal() != kIdOk)
        return;
    clocks_.places.append(zone.Place());
    AddRow(zone.Place());
}

void CTimeZonesDlg::Remove() {
    const int row = SelectedRow();
    if (row < 0 || row >= clocks_.places.size())
        return;
    if (ShowMessage(QStringLiteral("Remove ") + clocks_.places[row].name + QLatin1Char('?'),
                    MessageButtons::OkCancel, MessageIcon::Question) != kIdOk)
        return;
    clocks_.places.removeAt(row);
    delete List()->takeTopLevelItem(row);
}

void CTimeZonesDlg::EditPlace() {
    const int row = SelectedRow();
    if (row < 0 || row >= clocks_.places.size())
        return;
    WorldClock place = clocks_.places[row];
    place.key = place.ZoneKey();
    CTimeZoneDlg zone(place, false, this);
    if (zone.DoModal() != kIdOk)
        return;
    clocks_.places[row] = zone.Place();
    List()->topLevelItem(row)->setText(0, zone.Place().name);
}

void CTimeZonesDlg::OnOK() {
    for (int row = 0; row < clocks_.places.size(); ++row)
        clocks_.SetShown(row, List()->topLevelItem(row)->checkState(0) == Qt::Checked);
    CCalcDialog::OnOK();
}
