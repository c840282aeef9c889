#include "ui/calculators/TimeSpeedDistanceDlg.h"

#include "core/calculators/TimeSpeedDistance.h"
#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"

CTimeSpeedDistanceDlg::CTimeSpeedDistanceDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

bool CTimeSpeedDistanceDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    const int clears[][2] = {{IDC_TSD_CLEAR_SPEED, IDC_TSD_SPEED},
                             {IDC_TSD_CLEAR_DISTANCE, IDC_TSD_DISTANCE},
                             {IDC_TSD_CLEAR_TIME, IDC_TSD_TIME}};
    for (const auto& [button, field] : clears)
        Bind(button, [this, field = field] { SetDlgItemText(field, QString()); });
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    return true;
}

void CTimeSpeedDistanceDlg::OnCalculate() {
    const CalcResult result =
        TimeSpeedDistance(GetDlgItemText(IDC_TSD_SPEED), GetDlgItemText(IDC_TSD_DISTANCE),
                          GetDlgItemText(IDC_TSD_TIME));
    ShowCalcResult(*this, result,
                   {{kSpeedLabel, IDC_TSD_SPEED},
                    {kDistanceLabel, IDC_TSD_DISTANCE},
                    {kTimeHoursMinutesLabel, IDC_TSD_TIME}});
}
