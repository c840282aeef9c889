#include "ui/calculators/ConvertDlg.h"

#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"

#include <QLineEdit>

CConvertDlg::CConvertDlg(int mode, QWidget* parent)
    : CCalcDialog(kTemplates, parent), mode_(mode) {}

bool CConvertDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    for (int id : {IDC_CONVERT_INPUT1, IDC_CONVERT_INPUT2})
        if (QLineEdit* input = Edit(id))
            input->setMaxLength(kInputLimit);
    const ConvertPair* pair = FindConvertPair(mode_);
    const QString first = pair ? QString::fromUtf8(pair->firstUnit) : QString();
    const QString second = pair ? QString::fromUtf8(pair->secondUnit) : QString();
    SetDlgItemText(IDC_CONVERT_LABEL1, first);
    SetDlgItemText(IDC_CONVERT_LABEL2, second);
    SetDlgItemText(IDC_CONVERT_LABEL3, second);
    SetDlgItemText(IDC_CONVERT_LABEL4, first);
    SetDlgItemText(IDC_CONVERT_OUTPUT1, QString());
    SetDlgItemText(IDC_CONVERT_OUTPUT2, QString());
    Bind(IDC_CONVERT_ROW1, [this] { OnConvert(ConvertRow::FirstToSecond); });
    Bind(IDC_CONVERT_ROW2, [this] { OnConvert(ConvertRow::SecondToFirst); });
    return true;
}

void CConvertDlg::OnConvert(ConvertRow row) {
    const bool first = row == ConvertRow::FirstToSecond;
    const CalcResult result =
        ConvertUnits(mode_, row, GetDlgItemText(first ? IDC_CONVERT_INPUT1 : IDC_CONVERT_INPUT2));
    if (result.outputs.isEmpty())
        return; // an empty input converts nothing
    ShowCalcResult(
        *this, result,
        {{result.outputs.first().label, first ? IDC_CONVERT_OUTPUT1 : IDC_CONVERT_OUTPUT2}});
}
