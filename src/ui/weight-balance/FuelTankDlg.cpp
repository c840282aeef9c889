#include "ui/weight-balance/FuelTankDlg.h"

#include "core/weight-balance/AircraftTypeEntry.h"
#include "core/weight-balance/FuelTankEntry.h"
#include "ui/framework/EditGrid.h"
#include "ui/weight-balance/FleetDialogParts.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

enum Column { kNumber, kCapacity, kArm };

} // namespace

CFuelTankDlg::CFuelTankDlg(const FuelTank& tank, TypeFlags flags, QWidget* parent)
    : CCalcDialog(kTemplates, parent), tank_(tank), flags_(flags) {}

QWidget* CFuelTankDlg::CreateControl(const ControlTemplate& control) {
    if (control.id == IDC_TANK_ROWS)
        return CEditGrid::FromTemplate(control, Host());
    return nullptr;
}

bool CFuelTankDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    KeepOkOnSquare(*this);
    const FuelTankEntry entry = FuelTankEntryFrom(tank_);
    Edit(IDC_TANK_NAME)->setMaxLength(FuelTankEntry::kMaxNameLength);
    SetDlgItemText(IDC_TANK_NAME, entry.name);
    SetDlgItemText(IDC_TANK_CAPACITY, entry.capacity);
    SetDlgItemText(IDC_TANK_UNIT, FuelUnitText(flags_));
    SetDlgItemText(IDC_TANK_ARM, entry.arm);
    auto* grid = Item<CEditGrid>(IDC_TANK_ROWS);
    SetUpNumberedGrid(grid, {{QStringLiteral("Capacity")}, {QStringLiteral("Arm")}});
    grid->SetAllowedCharacters(QStringLiteral("0123456789.-"));
    AddNumberedRows(grid, FuelTank::kMaxRows);
    for (int row = 0; row < entry.rows.size(); ++row) {
        grid->SetItemText(row, kCapacity, entry.rows[row].capacity);
        grid->SetItemText(row, kArm, entry.rows[row].arm);
    }
    QComboBox* armType = Combo(IDC_TANK_ARM_TYPE);
    armType->addItems({QStringLiteral("Fixed"), QStringLiteral("Variable")});
    armType->setCurrentIndex(entry.variable ? kVariable : kFixed);
    connect(armType, &QComboBox::currentIndexChanged, this, [this](int i) { ShowArmType(i); });
    ShowArmType(armType->currentIndex());
    return true;
}

void CFuelTankDlg::ShowArmType(int armType) {
    const bool variable = armType == kVariable;
    for (int id : {IDC_TANK_ARM_LABEL, IDC_TANK_ARM})
        GetDlgItem(id)->setVisible(!variable);
    GetDlgItem(IDC_TANK_ROWS)->setVisible(variable);
}

void CFuelTankDlg::OnOK() {
    FuelTankEntry entry;
    entry.name = GetDlgItemText(IDC_TANK_NAME).trimmed();
    entry.capacity = GetDlgItemText(IDC_TANK_CAPACITY);
    entry.variable = Combo(IDC_TANK_ARM_TYPE)->currentIndex() == kVariable;
    entry.arm = GetDlgItemText(IDC_TANK_ARM);
    const auto* grid = Item<CEditGrid>(IDC_TANK_ROWS);
    const QList<QString> capacities = ColumnTexts(grid, kCapacity);
    const QList<QString> arms = ColumnTexts(grid, kArm);
    for (int row = 0; row < capacities.size(); ++row)
        entry.rows.append({capacities[row], arms[row]});
    const Outcome<FuelTank> read = ReadFuelTankEntry(entry, tank_);
    if (!read.ok()) {
        ShowStatus(read.error());
        return;
    }
    tank_ = read.value();
    CCalcDialog::OnOK();
}
