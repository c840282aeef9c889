#include "ui/calculators/TimeSumDlg.h"

#include "resource.h"

#include <QWidget>

CTimeSumDlg::CTimeSumDlg(QWidget* parent) : CCalcDialog(kTemplates, parent) {}

bool CTimeSumDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    Bind(IDC_TIME_SUM_ADD, [this] { OnStep(TimeStep::Add); });
    Bind(IDC_TIME_SUM_SUBTRACT, [this] { OnStep(TimeStep::Subtract); });
    return true;
}

void CTimeSumDlg::OnStep(TimeStep step) {
    const Outcome<unsigned> next =
        ApplyTimeStep(totalMinutes_, GetDlgItemText(IDC_TIME_SUM_TIME), step);
    if (!next) {
        ShowStatus(next.error());
        return;
    }
    totalMinutes_ = next.value();
    SetDlgItemText(IDC_TIME_SUM_TOTAL, TimeTotalText(totalMinutes_));
    SetDlgItemText(IDC_TIME_SUM_TIME, QString());
    if (QWidget* field = GetDlgItem(IDC_TIME_SUM_TIME))
        field->setFocus();
}
