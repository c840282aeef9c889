#pragma once
// "Fuel Quantity": one custom fuel load of the type being edited: its title and a quantity for
// each of the type's tanks, typed into the grid's "Quantity" column. OK runs the checks of
// ReadFuelQuantityEntry and keeps the dialog open at the first failure.

#include "core/weight-balance/AircraftType.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CFuelLoadDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_FUEL_LOAD_P, IDD_FUEL_LOAD_L, IDD_FUEL_LOAD_S};

    // Both are copied.
    CFuelLoadDlg(const FuelQuantity& quantity, const AircraftType& type, QWidget* parent = nullptr);

    const FuelQuantity& Result() const { return quantity_; }

protected:
    QWidget* CreateControl(const ControlTemplate& control) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    FuelQuantity quantity_;
    AircraftType type_;
};
