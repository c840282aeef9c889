#pragma once
// The "Weight Shift" dialog: how far a weight must move to shift the centre of gravity, or how
// much weight must move a given distance. A message about a missing field puts the focus there.

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CWeightShiftDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_WEIGHT_SHIFT_P, IDD_WEIGHT_SHIFT_L, 0};

    explicit CWeightShiftDlg(QWidget* parent = nullptr);
    void OnCalculate();

protected:
    bool OnInitDialog() override;
};
