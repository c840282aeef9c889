#pragma once
// The "Calc" dialog: density altitude, pressure altitude, standard temperature, true air speed
// or Mach, by the menu command that opened it. The mode sets the title, the input labels (an
// unused input is hidden) and the formula; each result becomes the last calculator result.

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CAirDataDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_AIR_DATA_P, IDD_AIR_DATA_L, 0};
    static constexpr int kInputLimit = 8;

    // `mode` is the menu command (an unknown one shows the dialog without inputs' labels).
    explicit CAirDataDlg(int mode, QWidget* parent = nullptr);

    int Mode() const { return mode_; }
    void OnCalculate();

protected:
    bool OnInitDialog() override;

private:
    int mode_;
};
