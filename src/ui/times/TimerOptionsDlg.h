#pragma once
// The "Timer Options" dialog of one count timer, titled "Timer %i Options": its title (at most
// 10 characters), "Start on takeoff", "Play sound at 0:00" (which enables the sound file, "...",
// "Repeat" and "Play"), the wave file and "Repeat". "Play" plays the file shown (the shipped
// alarm when none is chosen) once. The dialog works on a copy: OK stores name, sound and options
// in the timer (the caller saves them), Cancel changes nothing.

#include "core/common/entry/FieldLimits.h"
#include "core/times/CountTimer.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

class CTimerOptionsDlg : public CCalcDialog {
    Q_OBJECT
public:
    void OpenContextHelp() override;
    static constexpr LayoutTriple kTemplates{IDD_TIMER_OPTIONS_P, IDD_TIMER_OPTIONS_L,
                                             IDD_TIMER_OPTIONS_S};
    static constexpr int kMaxTitleLength = kTimerTitleChars;

    // The timer is borrowed and must outlive the dialog.
    explicit CTimerOptionsDlg(CountTimer& timer, QWidget* parent = nullptr);

    void ChooseSoundFile();
    void PlaySound();

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void EnableSoundControls();
    QString SoundFileShown() const;

    CountTimer& timer_;
};
