#include "ui/calculators/SunTimesDlg.h"

#include "core/calculators/SunTimes.h"
#include "core/common/Clock.h"
#include "core/common/text/Format.h"
#include "ui/calculators/CalcResultDisplay.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/LatLonEdit.h"
#include "ui/framework/SpinButton.h"
#include "ui/navdata/AirportSearchDlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// The controls each location shows; the others are hidden.
const QList<int> kAirportControls{IDC_SUN_AIRPORT_LABEL, IDC_SUN_AIRPORT, IDC_SUN_LOOKUP,
                                  IDC_SUN_PLACE_NAME};
const QList<int> kLatLonControls{
    IDC_SUN_FORMAT_LABEL,   IDC_SUN_FORMAT,      IDC_SUN_LATITUDE_LABEL,  IDC_SUN_LATITUDE,
    IDC_SUN_LATITUDE_SPIN,  IDC_SUN_NORTH_SOUTH, IDC_SUN_LONGITUDE_LABEL, IDC_SUN_LONGITUDE,
    IDC_SUN_LONGITUDE_SPIN, IDC_SUN_WEST_EAST};
const QList<int> kWaypointControls{IDC_SUN_WAYPOINT_LABEL, IDC_SUN_WAYPOINT, IDC_SUN_PLACE_NAME};

// The result fields by the labels of the calculation, row by row (UTC, then local).
CalcFieldIds ResultFields() {
    const int ids[] = {IDC_SUN_DAY_UTC, IDC_SUN_DAY_LOCAL, IDC_SUN_RISE_UTC,  IDC_SUN_RISE_LOCAL,
                       IDC_SUN_SET_UTC, IDC_SUN_SET_LOCAL, IDC_SUN_NIGHT_UTC, IDC_SUN_NIGHT_LOCAL};
    CalcFieldIds fields;
    const QStringList& rows = SunTimesRowLabels();
    for (int i = 0; i < rows.size(); ++i) {
        fields.append({SunTimesUtcLabel(rows[i]), ids[2 * i]});
        fields.append({SunTimesLocalLabel(rows[i]), ids[2 * i + 1]});
    }
    return fields;
}

QDate Today() {
    const Clock& clock = CurrentClock();
    return clock.NowUtc().toTimeZone(clock.LocalZone()).date();
}

} // namespace

CSunTimesDlg::CSunTimesDlg(CTrevallionDoc& document, QWidget* parent)
    : CCalcDialog(kTemplates, parent), document_(document) {}

QWidget* CSunTimesDlg::CreateControl(const ControlTemplate& control) {
    if (control.id == IDC_SUN_LATITUDE)
        return new CLatLonEdit(Host());
    if (control.id == IDC_SUN_LONGITUDE) {
        auto* edit = new CLatLonEdit(Host());
        edit->SetLongitude();
        return edit;
    }
    return nullptr;
}

bool CSunTimesDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    // A square screen hides OK with the other dialog buttons; this dialog needs it to store.
    if (CurrentPlatform().Screen().IsSquare())
        if (QWidget* ok = GetDlgItem(kIdOk))
            ok->show();
    FillLists();
    auto* date = Item<QDateEdit>(IDC_SUN_DATE);
    date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date->setDate(Today());
    Edit(IDC_SUN_UTC_OFFSET)->setMaxLength(kUtcOffsetChars);

    QComboBox* location = Combo(IDC_SUN_LOCATION);
    connect(location, &QComboBox::activated, this, [this](int index) { SetLocation(index); });
    connect(Combo(IDC_SUN_FORMAT), &QComboBox::currentIndexChanged, this,
            [this](int index) { SetSecondsFormat(index == 1); });
    connect(Combo(IDC_SUN_AIRPORT), &QComboBox::activated, this, [this] { CalculateForAirport(); });
    connect(Combo(IDC_SUN_WAYPOINT), &QComboBox::activated, this,
            [this] { CalculateForWaypoint(); });
    connect(Item<CSpinButton>(IDC_SUN_LATITUDE_SPIN), &CSpinButton::stepped, this,
            [this](int delta) { StepCoordinate(IDC_SUN_LATITUDE, delta); });
    connect(Item<CSpinButton>(IDC_SUN_LONGITUDE_SPIN), &CSpinButton::stepped, this,
            [this](int delta) { StepCoordinate(IDC_SUN_LONGITUDE, delta); });
    connect(Item<CSpinButton>(IDC_SUN_UTC_OFFSET_SPIN), &CSpinButton::stepped, this,
            [this](int delta) { StepUtcOffset(delta); });
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    Bind(IDC_SUN_LOOKUP, [this] { OnLookup(); });
    Bind(IDC_SUN_NORTH_SOUTH, [this] { ToggleSouth(); });
    Bind(IDC_SUN_WEST_EAST, [this] { ToggleEast(); });

    RestoreSettings();
    ClearResults();
    if (location->currentIndex() != kAirport)
        CalculateAt(TypedPosition());
    else if (!recentAirports_.Entries().isEmpty())
        CalculateForAirport();
    return true;
}

void CSunTimesDlg::FillLists() {
    Combo(IDC_SUN_LOCATION)
        ->addItems(
            {QStringLiteral("Airport"), QStringLiteral("Lat/Lon"), QStringLiteral("Waypoint")});
    QComboBox* format = Combo(IDC_SUN_FORMAT);
    format->addItems({QStringLiteral("DD:MM.MM"), QStringLiteral("DD:MM:SS")});
    const bool seconds = CurrentAppState().settings.secondsFormat;
    format->setCurrentIndex(seconds ? 1 : 0);
    SetSecondsFormat(seconds);
    // The dialog's own copy of the recent airports: choices here do not change the setting.
    const QStringList& recent = document_.NavData().RecentAirports();
    for (auto it = recent.rbegin(); it != recent.rend(); ++it)
        recentAirports_.Push(*it, nullptr);
    Combo(IDC_SUN_AIRPORT)->addItems(recentAirports_.Entries());
    for (const UserWaypoint& waypoint : document_.Waypoints().Waypoints())
        Combo(IDC_SUN_WAYPOINT)->addItem(waypoint.ident);
}

void CSunTimesDlg::RestoreSettings() {
    const SunTimesSettings settings = SunTimesSettings::Load(document_.Settings());
    const int location = static_cast<int>(settings.location);
    Combo(IDC_SUN_LOCATION)->setCurrentIndex(location);
    SetLocation(location);
    // Each stored text keeps its own form; the field shows it in the form chosen now.
    const auto restore = [this](const std::optional<CoordinateEntryText>& entry, int fieldId,
                                bool* negative) {
        if (!entry)
            return;
        Item<CLatLonEdit>(fieldId)->SetSecondsOfArc(entry->SecondsOfArc());
        *negative = entry->NegativeHemisphere();
    };
    restore(settings.latitude, IDC_SUN_LATITUDE, &south_);
    restore(settings.longitude, IDC_SUN_LONGITUDE, &east_);
    SetDlgItemText(IDC_SUN_UTC_OFFSET, settings.utcOffset);
    LabelToggles();
}

void CSunTimesDlg::OnOK() {
    SaveSunTimesSettings(document_.Settings(),
                         static_cast<SunTimesLocation>(Combo(IDC_SUN_LOCATION)->currentIndex()),
                         GetDlgItemText(IDC_SUN_LATITUDE), south_,
                         GetDlgItemText(IDC_SUN_LONGITUDE), east_,
                         GetDlgItemText(IDC_SUN_UTC_OFFSET));
    CCalcDialog::OnOK();
}

void CSunTimesDlg::SetLocation(int location) {
    if (Combo(IDC_SUN_LOCATION)->currentIndex() != location)
        Combo(IDC_SUN_LOCATION)->setCurrentIndex(location);
    for (const QList<int>* ids : {&kAirportControls, &kLatLonControls, &kWaypointControls})
        for (int id : *ids)
            GetDlgItem(id)->hide();
    const QList<int>& shown = location == kLatLon     ? kLatLonControls
                              : location == kWaypoint ? kWaypointControls
                                                      : kAirportControls;
    for (int id : shown)
        GetDlgItem(id)->show();
    SetDlgItemText(IDC_SUN_PLACE_NAME, QString());
}

void CSunTimesDlg::SetSecondsFormat(bool seconds) {
    Item<CLatLonEdit>(IDC_SUN_LATITUDE)->SetSecondsForm(seconds);
    Item<CLatLonEdit>(IDC_SUN_LONGITUDE)->SetSecondsForm(seconds);
}

void CSunTimesDlg::LabelToggles() {
    SetDlgItemText(IDC_SUN_NORTH_SOUTH, NorthSouthText(south_));
    SetDlgItemText(IDC_SUN_WEST_EAST, WestEastText(east_));
}

void CSunTimesDlg::ToggleSouth() {
    south_ = !south_;
    LabelToggles();
}

void CSunTimesDlg::ToggleEast() {
    east_ = !east_;
    LabelToggles();
}

void CSunTimesDlg::OnCalculate() {
    switch (Combo(IDC_SUN_LOCATION)->currentIndex()) {
    case kLatLon:
        CalculateForLatLon();
        break;
    case kWaypoint:
        CalculateForWaypoint();
        break;
    default:
        CalculateForAirport();
        break;
    }
}

bool CSunTimesDlg::CalculateForAirport() {
    QComboBox* combo = Combo(IDC_SUN_AIRPORT);
    const QString ident = combo->currentText().trimmed().toUpper();
    AirportRecord record;
    QString name;
    if (ident.isEmpty() || !document_.NavData().GetAirportSummary(ident, &record, &name)) {
        ShowMessage(IDS_AIRPORT_NOT_FOUND);
        return false;
    }
    recentAirports_.Push(ident, nullptr);
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(recentAirports_.Entries());
    combo->setCurrentIndex(0);
    TakePlace(name, record.latitude, record.longitude);
    // An offset of 0 in the file means "not given" (the file holds whole hours, so zones such as
    // India's are 0): the typed offset then stays rather than being wiped.
    if (record.utcOffset != 0)
        SetDlgItemText(IDC_SUN_UTC_OFFSET, FormatText("%i", record.utcOffset));
    CalculateAt(*place_);
    return true;
}

bool CSunTimesDlg::CalculateForWaypoint() {
    UserWaypoint waypoint;
    if (!document_.Waypoints().FindUserWaypoint(Combo(IDC_SUN_WAYPOINT)->currentText(),
                                                &waypoint)) {
        ShowMessage(
            QStringLiteral("Please choose a user waypoint (Edit, Waypoints... adds them)."));
        return false;
    }
    TakePlace(waypoint.name, waypoint.latitude, waypoint.longitude);
    CalculateAt(*place_);
    return true;
}

void CSunTimesDlg::CalculateForLatLon() {
    place_.reset();
    CalculateAt(TypedPosition());
}

void CSunTimesDlg::TakePlace(const QString& name, int32_t latitude, int32_t longitude) {
    SetDlgItemText(IDC_SUN_PLACE_NAME, name);
    Item<CLatLonEdit>(IDC_SUN_LATITUDE)->SetSecondsOfArc(latitude);
    Item<CLatLonEdit>(IDC_SUN_LONGITUDE)->SetSecondsOfArc(longitude);
    place_ = SunTimesPlaceFromSeconds(latitude, longitude);
    south_ = place_->south;
    east_ = place_->east;
    // The hidden toggles show the new hemispheres, so "Lat/Lon" goes on from this place.
    LabelToggles();
}

SunTimesPlace CSunTimesDlg::TypedPosition() const {
    return SunTimesPlaceFromTyped(Item<CLatLonEdit>(IDC_SUN_LATITUDE)->DecimalDegrees(),
                                  Item<CLatLonEdit>(IDC_SUN_LONGITUDE)->DecimalDegrees(), south_,
                                  east_);
}

void CSunTimesDlg::OnLookup() {
    CAirportSearchDlg search(document_, this);
    if (search.DoModal() != kIdOk || search.SelectedIdent().isEmpty())
        return;
    Combo(IDC_SUN_AIRPORT)->setCurrentText(search.SelectedIdent());
    CalculateForAirport();
}

void CSunTimesDlg::StepUtcOffset(int delta) {
    SetDlgItemText(IDC_SUN_UTC_OFFSET, StepSunUtcOffset(GetDlgItemText(IDC_SUN_UTC_OFFSET), delta));
    // The place chosen last, or the typed position while "Lat/Lon" is shown.
    const bool typed = Combo(IDC_SUN_LOCATION)->currentIndex() == kLatLon || !place_;
    CalculateAt(typed ? TypedPosition() : *place_);
}

void CSunTimesDlg::StepCoordinate(int fieldId, int delta) {
    QWidget* field = GetDlgItem(fieldId);
    QKeyEvent press(QEvent::KeyPress, delta > 0 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &press);
}

void CSunTimesDlg::ClearResults() {
    for (const auto& field : ResultFields())
        SetDlgItemText(field.second, QString());
}

void CSunTimesDlg::CalculateAt(const SunTimesPlace& position) {
    ClearResults();
    SunTimesInput in;
    in.latitude = position.latitude;
    in.longitude = position.longitude;
    in.date = Item<QDateEdit>(IDC_SUN_DATE)->date();
    in.utcOffset = SunUtcOffset(GetDlgItemText(IDC_SUN_UTC_OFFSET));
    ShowCalcResult(*this, CalculateSunTimes(in), ResultFields());
}
