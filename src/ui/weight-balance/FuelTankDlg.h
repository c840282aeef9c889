#pragma once
// "Fuel Tank": one tank of the type being edited: name, capacity in the type's fuel unit, and a
// fixed arm or (arm type "Variable") a table of 20 rows of capacity and arm. OK runs the checks
// of ReadFuelTankEntry and keeps the dialog open at the first failure.

#include "core/weight-balance/FuelTank.h"
#include "core/weight-balance/TypeFlags.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CFuelTankDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_FUEL_TANK_P, IDD_FUEL_TANK_L, IDD_FUEL_TANK_S};
    enum ArmType { kFixed, kVariable };

    CFuelTankDlg(const FuelTank& tank, TypeFlags flags, QWidget* parent = nullptr);

    const FuelTank& Result() const { return tank_; }
    // Shows the fixed arm field or the table.
    void ShowArmType(int armType);

protected:
    QWidget* CreateControl(const ControlTemplate& control) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    FuelTank tank_;
    TypeFlags flags_;
};
