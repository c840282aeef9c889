#include "ui/navdata/UserWaypointDlg.h"

#include "core/common/settings/SettingsStore.h"
#include "core/navdata/UserWaypointEntry.h"
#include "core/navdata/UserWaypointStore.h"
#include "ui/framework/LatLonEdit.h"
#include "ui/framework/SpinButton.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>

namespace {

enum { kNorth, kSouth };
enum { kEast, kWest };

} // namespace

CUserWaypointDlg::CUserWaypointDlg(UserWaypoint waypoint, SettingsStore& settings,
                                   bool secondsPreference, QWidget* parent)
    : CCalcDialog(kTemplates, parent), waypoint_(std::move(waypoint)), settings_(settings),
      secondsPreference_(secondsPreference) {}

QWidget* CUserWaypointDlg::CreateControl(const ControlTemplate& control) {
    if (control.id == IDC_WP_LATITUDE)
        return new CLatLonEdit(this);
    if (control.id == IDC_WP_LONGITUDE) {
        auto* edit = new CLatLonEdit(this);
        edit->SetLongitude();
        return edit;
    }
    return nullptr;
}

bool CUserWaypointDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    // A square screen hides OK with the other dialog buttons; the edit is kept only with it.
    if (QWidget* ok = GetDlgItem(kIdOk))
        ok->show();
    FillLists();
    ShowWaypoint();
    connect(Combo(IDC_WP_FORMAT), &QComboBox::currentIndexChanged, this,
            [this](int index) { SetFormat(index); });
    for (const auto& [spinId, fieldId] : {std::pair{IDC_WP_LATITUDE_SPIN, IDC_WP_LATITUDE},
                                          std::pair{IDC_WP_LONGITUDE_SPIN, IDC_WP_LONGITUDE}})
        if (auto* spin = Item<CSpinButton>(spinId))
            connect(spin, &CSpinButton::stepped, this, [this, id = fieldId](int delta) {
                StepFieldWithArrowKey(GetDlgItem(id), delta);
            });
    return true;
}

void CUserWaypointDlg::FillLists() {
    Edit(IDC_WP_IDENT)->setMaxLength(kWaypointIdentLimit);
    Edit(IDC_WP_NAME)->setMaxLength(kWaypointNameLimit);
    Combo(IDC_WP_FORMAT)->addItems({QStringLiteral("DD:MM.MM"), QStringLiteral("DD:MM:SS")});
    Combo(IDC_WP_NORTH_SOUTH)->addItems({QStringLiteral("North"), QStringLiteral("South")});
    Combo(IDC_WP_EAST_WEST)->addItems({QStringLiteral("East"), QStringLiteral("West")});
    QComboBox* magVar = Combo(IDC_WP_MAG_VAR);
    for (int degrees = 0; degrees <= kMaxMagVar; ++degrees)
        magVar->addItem(QString::number(degrees));
    // Only whole degrees 0 to 24 can be typed; East gives the sign.
    magVar->lineEdit()->setMaxLength(3);
    magVar->lineEdit()->setValidator(new QIntValidator(0, kMaxMagVar, magVar));
}

void CUserWaypointDlg::ShowWaypoint() {
    const UserWaypointEntry entry = EntryFromUserWaypoint(waypoint_);
    const bool seconds = WaypointSecondsFormat(settings_, secondsPreference_);
    SetDlgItemText(IDC_WP_IDENT, entry.ident);
    SetDlgItemText(IDC_WP_NAME, entry.name);
    Combo(IDC_WP_FORMAT)->setCurrentIndex(seconds ? kSecondsFormat : kHundredthsFormat);
    SetFormat(Combo(IDC_WP_FORMAT)->currentIndex());
    Item<CLatLonEdit>(IDC_WP_LATITUDE)->SetSecondsOfArc(entry.latitude);
    Item<CLatLonEdit>(IDC_WP_LONGITUDE)->SetSecondsOfArc(entry.longitude);
    Combo(IDC_WP_NORTH_SOUTH)->setCurrentIndex(entry.south ? kSouth : kNorth);
    Combo(IDC_WP_EAST_WEST)->setCurrentIndex(entry.east ? kEast : kWest);
    Combo(IDC_WP_MAG_VAR)->setCurrentText(entry.magVar);
    CheckDlgButton(IDC_WP_VAR_EAST, entry.varEast);
}

void CUserWaypointDlg::SetFormat(int index) {
    for (int id : {IDC_WP_LATITUDE, IDC_WP_LONGITUDE})
        if (auto* edit = Item<CLatLonEdit>(id))
            edit->SetSecondsForm(index == kSecondsFormat);
}

void CUserWaypointDlg::OnOK() {
    UserWaypointEntry entry;
    entry.ident = GetDlgItemText(IDC_WP_IDENT);
    entry.name = GetDlgItemText(IDC_WP_NAME);
    entry.latitude = Item<CLatLonEdit>(IDC_WP_LATITUDE)->SecondsOfArc();
    entry.south = Combo(IDC_WP_NORTH_SOUTH)->currentIndex() == kSouth;
    entry.longitude = Item<CLatLonEdit>(IDC_WP_LONGITUDE)->SecondsOfArc();
    entry.east = Combo(IDC_WP_EAST_WEST)->currentIndex() == kEast;
    entry.magVar = GetDlgItemText(IDC_WP_MAG_VAR);
    entry.varEast = IsDlgButtonChecked(IDC_WP_VAR_EAST);
    const Outcome<UserWaypoint> made = UserWaypointFromEntry(entry);
    if (!made) {
        ShowStatus(made.error());
        return;
    }
    waypoint_ = made.value();
    StoreWaypointSecondsFormat(settings_, Combo(IDC_WP_FORMAT)->currentIndex() == kSecondsFormat);
    CCalcDialog::OnOK();
}
