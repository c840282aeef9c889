#include "ui/weight-balance/FuelLoadDlg.h"

#include "core/common/text/Format.h"
#include "core/weight-balance/FuelQuantityEntry.h"
#include "ui/framework/EditGrid.h"
#include "ui/weight-balance/FleetDialogParts.h"

#include <QLineEdit>

namespace {

enum Column { kTank, kCapacity, kQuantity };

} // namespace

CFuelLoadDlg::CFuelLoadDlg(const FuelQuantity& quantity, const AircraftType& type, QWidget* parent)
    : CCalcDialog(kTemplates, parent), quantity_(quantity), type_(type) {}

QWidget* CFuelLoadDlg::CreateControl(const ControlTemplate& control) {
    if (control.id == IDC_FQ_GRID)
        return CEditGrid::FromTemplate(control, Host());
    return nullptr;
}

bool CFuelLoadDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    KeepOkOnSquare(*this);
    const FuelQuantityEntry entry = FuelQuantityEntryFrom(quantity_, type_);
    Edit(IDC_FQ_TITLE)->setMaxLength(FuelQuantityEntry::kMaxTitleLength);
    SetDlgItemText(IDC_FQ_TITLE, entry.title);
    auto* grid = Item<CEditGrid>(IDC_FQ_GRID);
    SetUpGrid(grid, {{QStringLiteral("Tank"), 2, true},
                     {QStringLiteral("Capacity"), 1, true},
                     {QStringLiteral("Quantity")}});
    grid->SetAllowedCharacters(QStringLiteral("0123456789.-"));
    for (int i = 0; i < entry.quantities.size(); ++i) {
        const int row = grid->InsertRow(i, type_.tanks[i].name);
        grid->SetItemText(row, kCapacity, FormatText("%.0f", type_.tanks[i].capacity));
        grid->SetItemText(row, kQuantity, entry.quantities[i]);
    }
    return true;
}

void CFuelLoadDlg::OnOK() {
    FuelQuantityEntry entry;
    entry.title = GetDlgItemText(IDC_FQ_TITLE).trimmed();
    entry.quantities = ColumnTexts(Item<CEditGrid>(IDC_FQ_GRID), kQuantity);
    const Outcome<FuelQuantity> read = ReadFuelQuantityEntry(entry, quantity_, type_);
    if (!read.ok()) {
        ShowStatus(read.error());
        return;
    }
    quantity_ = read.value();
    CCalcDialog::OnOK();
}
