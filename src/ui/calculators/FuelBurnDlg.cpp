#include "ui/calculators/FuelBurnDlg.h"

#include "core/calculators/TimeSpeedDistance.h"
#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"

CFuelBurnDlg::CFuelBurnDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

bool CFuelBurnDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    return true;
}

void CFuelBurnDlg::OnCalculate() {
    const CalcResult result =
        FuelBurn(GetDlgItemText(IDC_FUEL_BURN_RATE), GetDlgItemText(IDC_FUEL_BURN_QUANTITY),
                 GetDlgItemText(IDC_FUEL_BURN_TIME));
    ShowCalcResult(*this, result,
                   {{kFuelBurnLabel, IDC_FUEL_BURN_RATE},
                    {kFuelQuantityLabel, IDC_FUEL_BURN_QUANTITY},
                    {kTimeHoursMinutesLabel, IDC_FUEL_BURN_TIME}});
}
