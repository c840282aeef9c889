#pragma once
// The "Time Zone" dialog: one place of the world clocks, its name (at most 16 characters) and
// its zone, chosen from the 75 zone names in alphabetical order. OK with no zone chosen keeps
// the key the place had, or is refused for a new place (see ChoosePlace).

#include "core/times/WorldClocks.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CTimeZoneDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_TIME_ZONE, IDD_TIME_ZONE, IDD_TIME_ZONE};

    // Opens on the place's name with the zone of |key| selected (none when it is not a key).
    CTimeZoneDlg(WorldClock place, bool newPlace, QWidget* parent = nullptr);

    // The place as OK left it.
    const WorldClock& Place() const { return place_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    WorldClock place_;
    bool newPlace_;
};
