#pragma once
// The "Sun Rise - Sun Set" dialog: the official beginning of day, sunrise, sunset and the official
// beginning of night for an airport of the navigation data, a typed latitude and longitude, or a
// user waypoint, on a chosen date, in UTC and in local time. It borrows the document's navigation
// data and user waypoints; its inputs are kept in the "SunTimes." settings when it closes with OK.

#include "core/calculators/SunTimesPlace.h"
#include "core/calculators/SunTimesSettings.h"
#include "core/common/settings/SettingsSchema.h"
#include "core/navdata/RecentList.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

#include <optional>

class CTrevallionDoc;

class CSunTimesDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_SUN_TIMES_P, IDD_SUN_TIMES_L, IDD_SUN_TIMES_S};
    enum Location {
        kAirport = static_cast<int>(SunTimesLocation::Airport),
        kLatLon = static_cast<int>(SunTimesLocation::LatLon),
        kWaypoint = static_cast<int>(SunTimesLocation::Waypoint),
    };

    explicit CSunTimesDlg(CTrevallionDoc& document, QWidget* parent = nullptr);

    // Shows the entry controls of a location (the "Location:" index).
    void SetLocation(int location);
    // "Calculate" for the location shown.
    void OnCalculate();
    // The airport of the combo's text; false (after "Airport not found.") when there is none.
    bool CalculateForAirport();
    // The typed position with the hemisphere toggles; every position counts, 0 included.
    void CalculateForLatLon();
    // The waypoint chosen in the list; false when there is none.
    bool CalculateForWaypoint();
    // "Lookup": Airport Search; the identifier it returns is calculated.
    void OnLookup();
    // The spin of "UTC Offset:": one hour more or less, then the times again at once.
    void StepUtcOffset(int delta);
    void ToggleSouth();
    void ToggleEast();
    bool South() const { return south_; }
    bool East() const { return east_; }
    // The dialog's own recent airports, most recent first.
    const QStringList& RecentAirports() const { return recentAirports_.Entries(); }

protected:
    bool OnInitDialog() override;
    QWidget* CreateControl(const ControlTemplate& control) override;
    void OnOK() override;

private:
    void FillLists();
    void RestoreSettings();
    void SetSecondsFormat(bool seconds);
    void LabelToggles();
    // An airport's or waypoint's position into the (hidden) coordinate fields and the flags.
    void TakePlace(const QString& name, int32_t latitude, int32_t longitude);
    SunTimesPlace TypedPosition() const;
    void CalculateAt(const SunTimesPlace& position);
    void ClearResults();
    void StepCoordinate(int fieldId, int delta);

    CTrevallionDoc& document_;
    RecentList recentAirports_{setting::kRecentAirports}; // never written to the settings
    bool south_ = false;
    bool east_ = false;
    // The exact position of the airport or waypoint chosen last (the fields round it).
    std::optional<SunTimesPlace> place_;
};
