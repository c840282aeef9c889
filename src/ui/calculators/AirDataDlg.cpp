#include "ui/calculators/AirDataDlg.h"

#include "core/calculators/AirData.h"
#include "core/common/resources/Resources.h"
#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"

#include <QLineEdit>

namespace {

constexpr int kInputs[kAirDataInputs] = {IDC_AIR_INPUT1, IDC_AIR_INPUT2, IDC_AIR_INPUT3,
                                         IDC_AIR_INPUT4};
constexpr int kLabels[kAirDataInputs] = {IDC_AIR_LABEL1, IDC_AIR_LABEL2, IDC_AIR_LABEL3,
                                         IDC_AIR_LABEL4};

} // namespace

CAirDataDlg::CAirDataDlg(int mode, QWidget* parent)
    : CCalcDialog(kTemplates, parent), mode_(mode) {}

bool CAirDataDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    const AirDataMode& row = FindAirDataMode(mode_);
    if (row.titleId != 0)
        SetCaption(LoadString(row.titleId));
    for (int i = 0; i < kAirDataInputs; ++i) {
        if (QLineEdit* input = Edit(kInputs[i]))
            input->setMaxLength(kInputLimit);
        const int labelId = row.inputIds[static_cast<size_t>(i)];
        SetDlgItemText(kLabels[i], labelId != 0 ? LoadString(labelId) : QString());
        for (int id : {kLabels[i], kInputs[i]})
            if (QWidget* control = GetDlgItem(id))
                control->setVisible(labelId != 0);
    }
    SetDlgItemText(IDC_AIR_RESULT_LABEL, row.titleId != 0 ? LoadString(row.titleId) : QString());
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    OnCalculate();
    return true;
}

void CAirDataDlg::OnCalculate() {
    SetDlgItemText(IDC_AIR_RESULT, QString());
    const CalcResult result =
        CalculateAirData(mode_, GetDlgItemText(IDC_AIR_INPUT1), GetDlgItemText(IDC_AIR_INPUT2),
                         GetDlgItemText(IDC_AIR_INPUT3));
    const QString label = result.outputs.isEmpty() ? QString() : result.outputs.first().label;
    ShowCalcResult(*this, result, {{label, IDC_AIR_RESULT}});
}
