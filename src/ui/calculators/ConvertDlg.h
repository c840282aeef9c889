#pragma once
// The "Convert" dialog: one two-way unit pair (Fahrenheit <> Celsius, Pounds <> Kilograms, ...)
// chosen by the menu command that opened it. Each row converts its input when its Convert button
// is pressed; the result becomes the last calculator result.

#include "core/calculators/UnitConversion.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CConvertDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_CONVERT_P, IDD_CONVERT_L, 0};
    static constexpr int kInputLimit = 5;

    // `mode` is the menu command; an unknown one leaves the unit labels empty.
    explicit CConvertDlg(int mode, QWidget* parent = nullptr);

    int Mode() const { return mode_; }
    void OnConvert(ConvertRow row);

protected:
    bool OnInitDialog() override;

private:
    int mode_;
};
