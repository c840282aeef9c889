// The type editor's "Fuel Tanks" and "Fuel Quantities" lists: tanks and custom fuel quantities
// are added, edited and deleted on the editor's copy of the type through their own dialogs.
#include "ui/weight-balance/AircraftTypeDlg.h"

#include "core/common/text/Format.h"
#include "core/weight-balance/FuelTankList.h"
#include "ui/framework/EditGrid.h"
#include "ui/weight-balance/FleetDialogParts.h"
#include "ui/weight-balance/FuelLoadDlg.h"
#include "ui/weight-balance/FuelTankDlg.h"

#include <QListWidget>

#include <algorithm>

int CAircraftTypeDlg::SelectedRow(int listId) const {
    const auto* list = Item<QListWidget>(listId);
    return list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
}

void CAircraftTypeDlg::FillTanks(int selected) {
    auto* list = Item<QListWidget>(IDC_TYPE_TANKS);
    list->clear();
    for (const FuelTank& tank : type_.tanks)
        list->addItem(tank.name);
    if (selected >= 0 && selected < list->count())
        list->setCurrentRow(selected);
}

void CAircraftTypeDlg::FillQuantities(int selected) {
    auto* list = Item<QListWidget>(IDC_TYPE_QUANTITIES);
    list->clear();
    for (const FuelQuantity& quantity : type_.fuelQuantities)
        list->addItem(quantity.title);
    if (selected >= 0 && selected < list->count())
        list->setCurrentRow(selected);
}

// Start-up quantities typed but not yet read stay with their tanks when the tanks change.
QList<QString> CAircraftTypeDlg::StartupTexts() const {
    return ColumnTexts(Item<CEditGrid>(IDC_TYPE_STARTUP), 1);
}

void CAircraftTypeDlg::FillStartup(const QList<QString>& texts) {
    auto* grid = Item<CEditGrid>(IDC_TYPE_STARTUP);
    grid->clear();
    for (int i = 0; i < type_.tanks.size(); ++i) {
        const int row = grid->InsertRow(i, type_.tanks[i].name);
        grid->SetItemText(row, 1,
                          i < texts.size() ? texts[i]
                                           : FormatText("%.1f", type_.tanks[i].startupQuantity));
    }
}

void CAircraftTypeDlg::OnAddTank() {
    if (!ShowStatus(CanAddTank(type_)))
        return;
    CFuelTankDlg dialog(FuelTank{}, FlagsShown(), this);
    if (dialog.DoModal() != kIdOk)
        return;
    const QList<QString> startup = StartupTexts();
    (void)type_.tanks.append(dialog.Result());
    FillTanks(type_.tanks.size() - 1);
    FillStartup(startup);
}

void CAircraftTypeDlg::OnEditTank() {
    const int row = SelectedRow(IDC_TYPE_TANKS);
    if (row < 0)
        return;
    CFuelTankDlg dialog(type_.tanks[row], FlagsShown(), this);
    if (dialog.DoModal() != kIdOk)
        return;
    const QList<QString> startup = StartupTexts();
    type_.tanks[row] = dialog.Result();
    FillTanks(row);
    FillStartup(startup);
}

void CAircraftTypeDlg::OnDeleteTank() {
    const int row = SelectedRow(IDC_TYPE_TANKS);
    if (row < 0)
        return;
    if (ShowMessage(QStringLiteral("Delete ") + type_.tanks[row].name + QLatin1Char('?'),
                    MessageButtons::OkCancel, MessageIcon::Question) != kIdOk)
        return;
    QList<QString> startup = StartupTexts();
    if (row < startup.size())
        startup.removeAt(row);
    DeleteTank(type_, row);
    FillTanks(std::min(row, type_.tanks.size() - 1));
    FillStartup(startup);
}

void CAircraftTypeDlg::OnAddQuantity() {
    if (!ShowStatus(CanAddFuelQuantity(type_)))
        return;
    CFuelLoadDlg dialog(FuelQuantity{}, type_, this);
    if (dialog.DoModal() != kIdOk)
        return;
    (void)type_.fuelQuantities.append(dialog.Result());
    FillQuantities(type_.fuelQuantities.size() - 1);
}

void CAircraftTypeDlg::OnEditQuantity() {
    const int row = SelectedRow(IDC_TYPE_QUANTITIES);
    if (row < 0)
        return;
    CFuelLoadDlg dialog(type_.fuelQuantities[row], type_, this);
    if (dialog.DoModal() != kIdOk)
        return;
    type_.fuelQuantities[row] = dialog.Result();
    FillQuantities(row);
}

void CAircraftTypeDlg::OnDeleteQuantity() {
    const int row = SelectedRow(IDC_TYPE_QUANTITIES);
    if (row < 0)
        return;
    if (ShowMessage(QStringLiteral("Delete ") + type_.fuelQuantities[row].title + QLatin1Char('?'),
                    MessageButtons::OkCancel, MessageIcon::Question) != kIdOk)
        return;
    DeleteFuelQuantity(type_, row);
    FillQuantities(std::min(row, type_.fuelQuantities.size() - 1));
}
