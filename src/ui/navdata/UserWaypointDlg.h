#pragma once
// "User Waypoint": edits one user waypoint (identifier, name, position and magnetic variation).
// The coordinate format chosen here is remembered as "Waypoint.Seconds". After OK, Waypoint()
// holds the edited record; the caller saves it.

#include "core/navdata/UserWaypoint.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CLatLonEdit;
class SettingsStore;

class CUserWaypointDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_USER_WAYPOINT_P, IDD_USER_WAYPOINT_L,
                                             IDD_USER_WAYPOINT_S};
    // Format list items: 0 "DD:MM.MM", 1 "DD:MM:SS".
    static constexpr int kHundredthsFormat = 0;
    static constexpr int kSecondsFormat = 1;

    // `secondsPreference` is the general coordinate preference, used while "Waypoint.Seconds"
    // is not set.
    CUserWaypointDlg(UserWaypoint waypoint, SettingsStore& settings, bool secondsPreference,
                     QWidget* parent = nullptr);

    const UserWaypoint& Waypoint() const { return waypoint_; }
    // Switches both coordinate fields to the format of the list's item.
    void SetFormat(int index);

protected:
    bool OnInitDialog() override;
    QWidget* CreateControl(const ControlTemplate& control) override;
    // Checks the fields in order and closes with OK only when they make a waypoint.
    void OnOK() override;

private:
    void FillLists();
    void ShowWaypoint();

    UserWaypoint waypoint_;
    SettingsStore& settings_;
    bool secondsPreference_;
};
