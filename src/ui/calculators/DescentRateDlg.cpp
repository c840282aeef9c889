#include "ui/calculators/DescentRateDlg.h"

#include "core/calculators/DescentRate.h"
#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"

CDescentRateDlg::CDescentRateDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

bool CDescentRateDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    SetDlgItemText(IDC_DESCENT_RATE, QString::fromUtf8(kDefaultDescentRate));
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    return true;
}

void CDescentRateDlg::OnCalculate() {
    const CalcResult result = DescentRate(
        GetDlgItemText(IDC_DESCENT_CURRENT_ALT), GetDlgItemText(IDC_DESCENT_DESIRED_ALT),
        GetDlgItemText(IDC_DESCENT_GROUND_SPEED), GetDlgItemText(IDC_DESCENT_RATE));
    ShowCalcResult(
        *this, result,
        {{kDescentDistanceLabel, IDC_DESCENT_DISTANCE}, {kDescentTimeLabel, IDC_DESCENT_TIME}});
}
