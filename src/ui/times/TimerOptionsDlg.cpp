#include "ui/times/TimerOptionsDlg.h"

#include "core/common/text/FileFilterText.h"
#include "core/times/AlarmSounds.h"
#include "core/times/TimerControls.h"
#include "core/times/WaveFile.h"
#include "ui/framework/DeviceScreen.h"

#include <QKeyEvent>
#include <QLineEdit>

using namespace timer_options;

CTimerOptionsDlg::CTimerOptionsDlg(CountTimer& timer, QWidget* parent)
    : CCalcDialog(kTemplates, parent), timer_(timer) {
    SetCaption(TimerOptionsCaption(timer));
}

bool CTimerOptionsDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    Edit(IDC_TIMER_TITLE)->setMaxLength(kMaxTitleLength);
    SetDlgItemText(IDC_TIMER_TITLE, timer_.Name());
    CheckDlgButton(IDC_TIMER_START_ON_TAKEOFF, timer_.HasOption(kStartOnTakeoff));
    CheckDlgButton(IDC_TIMER_PLAY_SOUND, timer_.HasOption(kPlaySound));
    CheckDlgButton(IDC_TIMER_REPEAT, timer_.HasOption(kRepeat));
    SetDlgItemText(IDC_TIMER_SOUND_FILE, timer_.Sound());
    Edit(IDC_TIMER_SOUND_FILE)->setPlaceholderText(QStringLiteral("(alarm)"));
    Bind(IDC_TIMER_PLAY_SOUND, [this] { EnableSoundControls(); });
    Bind(IDC_TIMER_BROWSE, [this] { ChooseSoundFile(); });
    Bind(IDC_TIMER_PLAY, [this] { PlaySound(); });
    // A square screen hides OK with the other dialog buttons; this dialog needs it to store.
    if (CurrentPlatform().Screen().IsSquare())
        if (QWidget* ok = GetDlgItem(kIdOk))
            ok->show();
    EnableSoundControls();
    return true;
}

void CTimerOptionsDlg::EnableSoundControls() {
    const bool sound = IsDlgButtonChecked(IDC_TIMER_PLAY_SOUND);
    for (int id : {IDC_TIMER_BROWSE, IDC_TIMER_SOUND_FILE, IDC_TIMER_REPEAT, IDC_TIMER_PLAY})
        GetDlgItem(id)->setEnabled(sound);
}

QString CTimerOptionsDlg::SoundFileShown() const {
    return GetDlgItemText(IDC_TIMER_SOUND_FILE).trimmed();
}

void CTimerOptionsDlg::ChooseSoundFile() {
    const FileDialogRequest request{
        Caption(), DesktopFileFilter(QStringLiteral("Wave files|*.wav|All Files (*.*)|*.*||")),
        QStringLiteral("wav"), SoundFileShown()};
    const QString path = CurrentPlatform().GetOpenFileName(this, request);
    if (!path.isEmpty())
        SetDlgItemText(IDC_TIMER_SOUND_FILE, path);
}

void CTimerOptionsDlg::PlaySound() {
    const QString shown = SoundFileShown();
    const QString path = shown.isEmpty() ? DefaultAlarmSound() : shown;
    if (!ShowStatus(CheckWaveFile(path)))
        return;
    CurrentPlatform().PlaySound(path);
}

void CTimerOptionsDlg::OnOK() {
    timer_.SetName(GetDlgItemText(IDC_TIMER_TITLE).left(kMaxTitleLength));
    timer_.SetSound(SoundFileShown());
    timer_.SetOption(kStartOnTakeoff, IsDlgButtonChecked(IDC_TIMER_START_ON_TAKEOFF));
    timer_.SetOption(kPlaySound, IsDlgButtonChecked(IDC_TIMER_PLAY_SOUND));
    timer_.SetOption(kRepeat, IsDlgButtonChecked(IDC_TIMER_REPEAT));
    CCalcDialog::OnOK();
}

void CTimerOptionsDlg::OpenContextHelp() {
    // The help topic stays "TimerOptions" whatever the timer's number in the caption.
    CurrentPlatform().OpenHelp(QStringLiteral("TimerOptions"));
}
