#include "ui/gps/GpsDlg.h"

#include "core/common/Clock.h"
#include "core/common/entry/FieldLimits.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/settings/SettingsStore.h"
#include "core/common/text/NumberText.h"
#include "core/gps/GpsReadout.h"
#include "core/gps/GpsSettings.h"
#include "core/gps/GpsdGpsSource.h"
#include "core/gps/SystemClockSetter.h"
#include "resource.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/SpinButton.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace {

int& ReplayInterval() {
    static int interval = 0;
    return interval;
}

} // namespace

CGpsDlg::CGpsDlg(CTrevallionDoc& document, QWidget* parent)
    : CCalcDialog(kTemplates, parent), document_(document) {}

void CGpsDlg::SetReplayInterval(int milliseconds) {
    ReplayInterval() = milliseconds;
}

bool CGpsDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    const AppSettings& settings = CurrentAppState().settings;
    sources_ = GpsSourceSettings::Load(document_.Settings());
    FillSources(settings.gpsPort);
    SetDlgItemText(IDC_GPS_TAKEOFF_GS, TakeoffSpeedText(settings));
    Edit(IDC_GPS_TAKEOFF_GS)->setMaxLength(kTakeoffSpeedChars);
    if (auto* spin = Item<CSpinButton>(IDC_GPS_TAKEOFF_SPIN))
        connect(spin, &CSpinButton::stepped, this, [this](int delta) { StepTakeoffSpeed(delta); });
    Bind(IDC_GPS_START, [this] { StartOrStop(); });
    Bind(IDC_GPS_SET_TIME, [this] { SetSystemTimeFromGps(); });
    // A square screen hides OK with the other dialog buttons; this dialog needs it to store.
    if (CurrentPlatform().Screen().IsSquare())
        if (QWidget* ok = GetDlgItem(kIdOk))
            ok->show();
    ShowRunning();
    Refresh();
    refresh_.setInterval(kRefreshMilliseconds);
    connect(&refresh_, &QTimer::timeout, this, &CGpsDlg::Refresh);
    refresh_.start();
    return true;
}

void CGpsDlg::FillSources(uint32_t gpsPort) {
    entries_ = BuildGpsSourceList(EnumerateSerialPorts(), sources_);
    QComboBox* combo = Combo(IDC_GPS_SOURCE);
    combo->clear();
    for (const GpsSourceEntry& entry : entries_)
        combo->addItem(entry.name);
    // Before anything was chosen, a gpsd running on this machine is offered first.
    const bool gpsdAnswers = !sources_.chosen && GpsdAnswers(LocalGpsdAddress());
    combo->setCurrentIndex(FindGpsSource(entries_, sources_, gpsPort, gpsdAnswers));
    // A running receiver shows what it reads.
    if (document_.Gps().IsRunning() && !document_.GpsSourceName().isEmpty())
        combo->setCurrentText(document_.GpsSourceName());
}

void CGpsDlg::StepTakeoffSpeed(int delta) {
    const int speed =
        std::clamp(TextToInt(GetDlgItemText(IDC_GPS_TAKEOFF_GS)) + delta, 0, kMaxTakeoffSpeed);
    SetDlgItemText(IDC_GPS_TAKEOFF_GS, QString::number(speed));
}

void CGpsDlg::ShowRunning() {
    SetDlgItemText(IDC_GPS_START,
                   document_.Gps().IsRunning() ? QStringLiteral("Stop") : QStringLiteral("Start"));
}

void CGpsDlg::Refresh() {
    const GpsReading reading = document_.Fix().Snapshot();
    const GpsReadout readout = MakeGpsReadout(reading.values);
    SetDlgItemText(IDC_GPS_TIME, readout.time);
    SetDlgItemText(IDC_GPS_HEADING, readout.heading);
    SetDlgItemText(IDC_GPS_ALTITUDE, readout.altitude);
    SetDlgItemText(IDC_GPS_SPEED, readout.speed);
    SetDlgItemText(IDC_GPS_LATITUDE, readout.latitude);
    SetDlgItemText(IDC_GPS_LONGITUDE, readout.longitude);
    SetDlgItemText(IDC_GPS_STATUS,
                   reading.Stale() ? QStringLiteral("No fix: data stale") : QString());
    GetDlgItem(IDC_GPS_SET_TIME)->setEnabled(readout.setTimeEnabled);
}

// The source the list or the typed text names; for "Replay file..." the recording is asked for.
std::optional<GpsSourceEntry> CGpsDlg::ChosenSource() {
    std::optional<GpsSourceEntry> entry =
        GpsSourceForText(entries_, Combo(IDC_GPS_SOURCE)->currentText().trimmed());
    if (!entry || entry->kind != GpsSourceKind::ChooseReplayFile)
        return entry;
    FileDialogRequest request{QStringLiteral("Replay file"),
                              QStringLiteral("NMEA recordings (*.nmea *.txt *.log)"),
                              QStringLiteral("nmea"), ProgramFolder() + QStringLiteral("gps/")};
    const QString path = CurrentPlatform().GetOpenFileName(this, request);
    if (path.isEmpty())
        return std::nullopt;
    return GpsSourceEntry{path, GpsSourceKind::Replay, 0, path};
}

void CGpsDlg::StartOrStop() {
    if (document_.Gps().IsRunning()) {
        document_.StopGps();
        ShowRunning();
        Refresh();
        return;
    }
    const QString typed = Combo(IDC_GPS_SOURCE)->currentText().trimmed();
    const std::optional<GpsSourceEntry> entry = ChosenSource();
    if (!entry) {
        // Nothing to say when the choice of a recording was cancelled.
        if (typed != entries_.last().name)
            ShowStatus(GpsSourceNotUnderstood());
        return;
    }
    if (!ShowStatus(document_.StartGps(*entry, ReplayInterval())))
        return;
    started_ = entry;
    if (entry->kind == GpsSourceKind::Replay && entry->target != sources_.replayFile) {
        sources_.replayFile = entry->target;
        sources_.kind = GpsSourceKind::Replay;
        document_.SetGpsSourceName(ReplayEntryName(entry->target));
        FillSources(CurrentAppState().settings.gpsPort);
    }
    ShowRunning();
    Refresh();
}

void CGpsDlg::SetSystemTimeFromGps() {
    const uint32_t gpsTime = document_.Fix().Snapshot().values.time;
    const QDateTime utc = SystemTimeFromGps(CurrentClock().NowUtc(), gpsTime);
    ShowStatus(SetSystemClock(utc));
}

void CGpsDlg::OnOK() {
    AppSettings& settings = CurrentAppState().settings;
    const std::optional<GpsSourceEntry> chosen =
        started_ ? started_ : GpsSourceForText(entries_, Combo(IDC_GPS_SOURCE)->currentText());
    uint32_t port = settings.gpsPort; // "GPSPort" keeps naming the serial port
    if (chosen && chosen->kind != GpsSourceKind::ChooseReplayFile) {
        sources_.Remember(*chosen);
        if (chosen->kind == GpsSourceKind::Serial)
            port = chosen->portNumber;
    }
    SaveGpsSettings(document_.Settings(), settings, GetDlgItemText(IDC_GPS_TAKEOFF_GS), port);
    sources_.Save(document_.Settings());
    CCalcDialog::OnOK();
}
