#include "ui/calculators/HeadingTimeDlg.h"

#include "core/calculators/HeadingTime.h"
#include "core/common/settings/SettingsSchema.h"
#include "core/common/settings/SettingsStore.h"
#include "core/common/text/Format.h"
#include "core/common/text/Rounding.h"
#include "resource.h"
#include "ui/calculators/CalcResultDisplay.h"
#include "ui/calculators/NumberList.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/SpinButton.h"
#include "ui/framework/TimeEdit.h"

#include <QAbstractButton>
#include <QComboBox>

namespace {

// The remembered fields, in the order they are saved.
const struct {
    const TextSetting& key;
    int id;
} kRemembered[] = {{setting::kTrackTrack, IDC_WIND_TRACK},
                   {setting::kTrackDistance, IDC_WIND_DISTANCE},
                   {setting::kTrackTas, IDC_WIND_TAS},
                   {setting::kTrackVariation, IDC_WIND_MAG_VAR},
                   {setting::kTrackWindDirection, IDC_WIND_DIRECTION},
                   {setting::kTrackWindSpeed, IDC_WIND_SPEED},
                   {setting::kTrackTime, IDC_WIND_DEPARTURE}};

} // namespace

CHeadingTimeDlg::CHeadingTimeDlg(CCommandTable& commands, QWidget* parent)
    : CCalcDialog(kTemplates, parent), commands_(commands) {}

QWidget* CHeadingTimeDlg::CreateControl(const ControlTemplate& control) {
    if (control.id == IDC_WIND_DEPARTURE)
        return new CTimeEdit(this);
    return nullptr;
}

bool CHeadingTimeDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    FillLists();
    RestoreLastValues();
    const DistanceTrack& last = CurrentAppState().lastDistanceTrack;
    if (last.track != 0) {
        SetDlgItemText(IDC_WIND_TRACK, FormatText("%u", RoundWhole(last.track)));
        SetDlgItemText(IDC_WIND_DISTANCE, FormatText("%u", RoundWhole(last.distance)));
    }
    if (auto* spin = Item<CSpinButton>(IDC_WIND_DEPARTURE_SPIN))
        connect(spin, &CSpinButton::stepped, this, [this](int delta) { StepDeparture(delta); });
    Bind(IDC_CALCULATE, [this] { OnCalculate(); });
    // Handing on is offered only while the command table has a Distance & Track screen to open.
    if (QWidget* button = GetDlgItem(IDC_WIND_DISTANCE_TRACK))
        button->setEnabled(commands_.CanRun(ID_CALC_DISTANCE_TRACK));
    Bind(IDC_WIND_DISTANCE_TRACK, [this] {
        EndDialog(kDistanceTrackResult);
        commands_.Post(ID_CALC_DISTANCE_TRACK); // opens Distance & Track once this has closed
    });
    OnCalculate();
    return true;
}

void CHeadingTimeDlg::FillLists() {
    FillNumberList(Combo(IDC_WIND_TRACK), 10, 360, 10, QStringLiteral("360"));
    FillNumberList(Combo(IDC_WIND_DIRECTION), 10, 360, 10, QStringLiteral("360"));
    FillNumberList(Combo(IDC_WIND_SPEED), 0, 45, 5, QStringLiteral("0"));
    FillNumberList(Combo(IDC_WIND_TAS), 90, 195, 5, QStringLiteral("0"));
    FillNumberList(Combo(IDC_WIND_DISTANCE), 25, 275, 25, QStringLiteral("0"));
    FillNumberList(Combo(IDC_WIND_MAG_VAR), 1, 24, 1);
}

void CHeadingTimeDlg::RestoreLastValues() {
    for (const auto& field : kRemembered)
        if (field.id != IDC_WIND_DEPARTURE)
            RestoreLastValue(field.key, field.id);
    const SettingsStore& settings = CurrentPlatform().Settings();
    CheckDlgButton(IDC_WIND_EAST, setting::kTrackEast.Read(settings) == YesNoText(true));
    int hours = 0, minutes = 0;
    if (!SplitClockText(setting::kTrackTime.Read(settings), &hours, &minutes))
        hours = minutes = 0;
    if (auto* departure = Item<CTimeEdit>(IDC_WIND_DEPARTURE))
        departure->SetTime(hours, minutes);
}

void CHeadingTimeDlg::SaveLastValues() {
    for (const auto& field : kRemembered)
        SaveLastValue(field.key, field.id);
    setting::kTrackEast.Write(CurrentPlatform().Settings(),
                              YesNoText(IsDlgButtonChecked(IDC_WIND_EAST)));
}

void CHeadingTimeDlg::StepDeparture(int delta) {
    StepFieldWithArrowKey(GetDlgItem(IDC_WIND_DEPARTURE), delta);
}

void CHeadingTimeDlg::OnCalculate() {
    HeadingTimeInput in;
    in.track = GetDlgItemText(IDC_WIND_TRACK);
    in.distance = GetDlgItemText(IDC_WIND_DISTANCE);
    in.tas = GetDlgItemText(IDC_WIND_TAS);
    in.magVar = GetDlgItemText(IDC_WIND_MAG_VAR);
    in.east = IsDlgButtonChecked(IDC_WIND_EAST);
    in.windDirection = GetDlgItemText(IDC_WIND_DIRECTION);
    in.windSpeed = GetDlgItemText(IDC_WIND_SPEED);
    in.departure = GetDlgItemText(IDC_WIND_DEPARTURE);
    const CalcResult result = CalculateHeadingTime(in);
    if (ShowCalcResult(*this, result,
                       {{"Track", IDC_WIND_TRACK},
                        {"Wind Direction", IDC_WIND_DIRECTION},
                        {"Ground Speed", IDC_WIND_GROUND_SPEED},
                        {"True Heading", IDC_WIND_TRUE_HEADING},
                        {"Mag Heading", IDC_WIND_MAG_HEADING},
                        {"Estimated Time", IDC_WIND_ESTIMATED_TIME},
                        {"Arrival", IDC_WIND_ARRIVAL}}))
        SaveLastValues();
}
