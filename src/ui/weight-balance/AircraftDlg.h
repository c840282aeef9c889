#pragma once
// "Aircraft": one aircraft of the fleet: its type, registration, empty weight, empty arm and
// lateral arm in the units of the type it had when the dialog opened. OK runs the checks of
// ReadAircraftEntry and keeps the dialog open at the first failure; the opener stores Result().

#include "core/weight-balance/Aircraft.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class AircraftStore;

class CAircraftDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_AIRCRAFT_P, IDD_AIRCRAFT_L, IDD_AIRCRAFT_S};

    // `aircraft` is copied; `identAtOpening` is "" for a new or copied aircraft. The store is
    // only read.
    CAircraftDlg(const Aircraft& aircraft, QString identAtOpening, const AircraftStore& store,
                 QWidget* parent = nullptr);

    // The aircraft as OK accepted it.
    const Aircraft& Result() const { return aircraft_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    Aircraft aircraft_;
    QString identAtOpening_;
    const AircraftStore& store_;
};
