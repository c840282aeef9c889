#pragma once
// The "Fuel Burn" dialog: leave one of fuel burn, fuel quantity and time empty and Calculate
// fills it in.

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CFuelBurnDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_FUEL_BURN_P, IDD_FUEL_BURN_L, 0};

    explicit CFuelBurnDlg(QWidget* parent = nullptr);
    void OnCalculate();

protected:
    bool OnInitDialog() override;
};
