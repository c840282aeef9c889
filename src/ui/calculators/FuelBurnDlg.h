#pragma once
// The "Fuel Burn" dialog: leave one of fuel burn, fuel quantity and time empty and Calculate
// fills it in.

#include "ui/framework/CalcDialog.h"

class CFuelBurnDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{123, 182, 0};

    explicit CFuelBurnDlg(QWidget* parent = nullptr);
    void OnCalculate();

protected:
    bool OnInitDialog() override;
};
