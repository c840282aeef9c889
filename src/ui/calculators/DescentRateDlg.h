#pragma once
// The "Descent Rate" dialog: distance and time to descend from the current to the desired
// altitude at a ground speed and a rate of descent (which starts at 500 ft/min).

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CDescentRateDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_DESCENT_RATE_P, IDD_DESCENT_RATE_L, 0};

    explicit CDescentRateDlg(QWidget* parent = nullptr);
    void OnCalculate();

protected:
    bool OnInitDialog() override;
};
