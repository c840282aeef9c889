#include "ui/weight-balance/AircraftDlg.h"

#include "core/weight-balance/AircraftEntry.h"
#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/AircraftTypeEntry.h"
#include "ui/weight-balance/FleetDialogParts.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

CAircraftDlg::CAircraftDlg(const Aircraft& aircraft, QString identAtOpening,
                           const AircraftStore& store, QWidget* parent)
    : CCalcDialog(kTemplates, parent), aircraft_(aircraft),
      identAtOpening_(std::move(identAtOpening)), store_(store) {}

bool CAircraftDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    KeepOkOnSquare(*this);
    QComboBox* types = Combo(IDC_AC_TYPE);
    for (const AircraftTypeChoice& choice : store_.AircraftTypeChoices())
        types->addItem(choice.name, choice.id);
    types->setCurrentIndex(std::max(0, types->findData(aircraft_.typeId)));
    const AircraftEntry entry = AircraftEntryFrom(aircraft_);
    Edit(IDC_AC_IDENT)->setMaxLength(AircraftEntry::kMaxIdentLength);
    SetDlgItemText(IDC_AC_IDENT, entry.ident);
    SetDlgItemText(IDC_AC_WEIGHT, entry.emptyWeight);
    SetDlgItemText(IDC_AC_ARM, entry.emptyArm);
    SetDlgItemText(IDC_AC_LATERAL, entry.emptyLateralArm);
    if (const AircraftType* type = store_.FindAircraftType(types->currentData().toInt())) {
        SetDlgItemText(IDC_AC_WEIGHT_UNIT, WeightUnitText(type->flags));
        SetDlgItemText(IDC_AC_ARM_UNIT, ArmUnitText(type->flags));
        SetDlgItemText(IDC_AC_LATERAL_UNIT, ArmUnitText(type->flags));
    }
    return true;
}

void CAircraftDlg::OnOK() {
    AircraftEntry entry;
    entry.typeId = Combo(IDC_AC_TYPE)->currentData().toInt();
    entry.ident = GetDlgItemText(IDC_AC_IDENT).trimmed();
    entry.emptyWeight = GetDlgItemText(IDC_AC_WEIGHT);
    entry.emptyArm = GetDlgItemText(IDC_AC_ARM);
    entry.emptyLateralArm = GetDlgItemText(IDC_AC_LATERAL);
    const Outcome<Aircraft> read = ReadAircraftEntry(entry, aircraft_, identAtOpening_, store_);
    if (!read.ok()) {
        ShowStatus(read.error());
        return;
    }
    aircraft_ = read.value();
    CCalcDialog::OnOK();
}
