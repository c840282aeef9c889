#include "ui/calculators/WeightShiftDlg.h"

#include "core/calculators/WeightShift.h"
#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"

CWeightShiftDlg::CWeightShiftDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

bool CWeightShiftDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    Bind(IDC_SHIFT_CLEAR_WEIGHT, [this] { SetDlgItemText(IDC_SHIFT_WEIGHT_TO_MOVE, QString()); });
    Bind(IDC_SHIFT_CLEAR_DISTANCE,
         [this] { SetDlgItemText(IDC_SHIFT_DISTANCE_TO_MOVE, QString()); });
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    return true;
}

void CWeightShiftDlg::OnCalculate() {
    const CalcResult result = WeightShift(
        GetDlgItemText(IDC_SHIFT_AIRCRAFT_WEIGHT), GetDlgItemText(IDC_SHIFT_ARM_DISTANCE),
        GetDlgItemText(IDC_SHIFT_WEIGHT_TO_MOVE), GetDlgItemText(IDC_SHIFT_DISTANCE_TO_MOVE));
    ShowCalcResult(*this, result,
                   {{kAircraftWeightLabel, IDC_SHIFT_AIRCRAFT_WEIGHT},
                    {kArmDistanceLabel, IDC_SHIFT_ARM_DISTANCE},
                    {kWeightToMoveLabel, IDC_SHIFT_WEIGHT_TO_MOVE},
                    {kDistanceToMoveLabel, IDC_SHIFT_DISTANCE_TO_MOVE}});
}
