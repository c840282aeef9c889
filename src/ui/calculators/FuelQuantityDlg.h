#pragma once
// The "Fuel Quantity" dialog: a quantity of AVGas, Jet A or Jet B converted between volume and
// weight units. The chosen fuel type and units are remembered ("Fuel type", "Fuel units",
// "Fuel result").

#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CFuelQuantityDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_FUEL_QUANTITY_P, IDD_FUEL_QUANTITY_L, 0};

    explicit CFuelQuantityDlg(QWidget* parent = nullptr);
    // Converts the quantity and remembers the three list texts.
    void OnCalculate();

protected:
    bool OnInitDialog() override;

private:
    // Refills the result units for the selected source unit (the first selected).
    void FillResultUnits();
};
