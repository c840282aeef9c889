#pragma once
// The "Timers" dialog: a tab per count timer, the chosen timer's tab selected. It shows the
// selected timer's value in a large owner-drawn display (redrawn every 900 ms while the timer
// runs), starts, stops and resets it, sets its value with the minute and second spinners or the
// 0-59 picker (a tap on the stopped display: the left half sets minutes, the right half seconds),
// chooses count-down and what happens at zero, saves the starting time and opens the timer's
// options. The timers belong to the document and keep running after the dialog closes; while it
// is open, a tick that stops a timer at zero refreshes it. Closing saves every timer's name,
// sound and options.

#include "core/times/TextColour.h"
#include "resource.h"
#include "ui/framework/CalcDialog.h"

#include <QFont>
#include <QTimer>

class CountTimer;
class CTrevallionDoc;

class CTimersDlg : public CCalcDialog {
    Q_OBJECT
public:
    static constexpr LayoutTriple kTemplates{IDD_TIMERS_P, IDD_TIMERS_L, IDD_TIMERS_S};
    static constexpr int kRedrawMilliseconds = 900;

    // Opens on the timer with this index (0-3).
    CTimersDlg(CTrevallionDoc& document, int timerIndex, QWidget* parent = nullptr);
    ~CTimersDlg() override;

    int SelectedTimer() const { return selected_; }
    // What the Current display shows: the selected timer's "%02u:%02u" and its colour.
    ColouredText CurrentText() const;
    bool IsRedrawing() const { return redraw_.isActive(); }

    // The controls' actions, also run by tests.
    void SelectTimer(int index);
    void Start();
    void Stop();
    void Reset();
    void StepMinutes(int delta);
    void StepSeconds(int delta);
    // A tap on the Current display at a position in the display's coordinates.
    void TapCurrent(const QPoint& position);
    void SetStarting();
    void RunOptions();
    // Enables, checks and selects the controls for the selected timer's state (after every
    // change, on tab change and when a tick stops a timer).
    void Refresh();
    // Closing, however it happens: the timers forget the dialog and their settings are saved.
    void done(int result) override;

protected:
    bool OnInitDialog() override;

private:
    CountTimer& Timer() const;
    void FillTabs();
    void WireControls();
    void PaintCurrent(QPainter& painter, const QRect& area) const;
    void RedrawCurrent();
    void Step(int delta, void (CountTimer::*up)(), void (CountTimer::*down)());

    CTrevallionDoc& document_;
    int selected_;
    QFont displayFont_;
    QTimer redraw_;
    bool refreshing_ = false; // Refresh sets controls whose signals must not act
};
