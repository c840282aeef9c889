#pragma once
// The Times view: the painted title "Times", the top clock (local or UTC) and the other clock
// with their swapped captions, the four event buttons that record startup, takeoff, landing and
// shutdown, flight and air time, the four count-timer buttons and, while the GPS is open, its
// ground speed. It has no template: the controls are made in code and laid out for the screen's
// shape. The Times menu (resets, zone and format, copy, hand-off, GPS) is its own.
//
// The recorded times belong to the document; the view keeps only its two display flags
// ("TimeView", read at creation and written when the view goes).

#include "core/times/MinuteWatch.h"
#include "core/times/TimesDisplay.h"
#include "resource.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/CustomFormView.h"

#include <QHash>

#include <array>

class COwnerDrawArea;
class CTrevallionDoc;
class QLabel;

class CTimerView : public CCustomFormView {
    Q_OBJECT
public:
    // The count-timer buttons, timers 1 to 4.
    static constexpr std::array<int, 4> kTimerButtons = {IDC_TIMES_TIMER_1, IDC_TIMES_TIMER_2,
                                                         IDC_TIMES_TIMER_3, IDC_TIMES_TIMER_4};

    // The view's commands (the Times menu and Edit, GPS...) are in `commands` while it lives.
    CTimerView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent = nullptr);
    ~CTimerView() override;

    // The one-second tick: clocks and running times once a minute, the timers and the GPS speed
    // every second, the six time buttons when the GPS recorded something.
    void OnTimerTick() override;
    // The clocks and recorded times are drawn again, in the time zone the preferences now give.
    void AfterDialog() override;

    // The recording and reset operations of the buttons and the Times menu.
    virtual void RecordStartup();
    virtual void RecordTakeoff();
    virtual void RecordLanding();
    virtual void RecordShutdown();
    virtual void ResetStartup();
    virtual void ResetTakeoff();
    virtual void ResetLanding();
    virtual void ResetShutdown();
    void ResetAll();

    // What an owner-drawn button shows now (the text and its colour).
    ColouredText ButtonText(int id) const;
    // A control by id (the buttons, the two captions and the speed label); nullptr if none.
    QWidget* Control(int id) const { return controls_.value(id); }
    const TimesDisplay& Display() const { return display_; }
    // How many times a button was asked to redraw (tests watch the redraw rules).
    int RedrawCount(int id) const { return redraws_.value(id); }

protected:
    void OnInitialUpdate() override;
    void Relayout() override;

private:
    void CreateControls();
    COwnerDrawArea* AddButton(int id, bool timer);
    QLabel* AddLabel(int id, const QString& text);
    void Redraw(std::initializer_list<int> ids);
    void ApplyCaptions();
    void ShowGpsSpeed();
    void TimesChanged(std::initializer_list<int> ids);
    int ZoneOffset() const;
    void ToggleFlag(bool TimesDisplay::*flag);
    void OpenTimers(int timerIndex);
    void RunGpsDialog();
    QList<Command> TimesCommands();

    CTrevallionDoc& document_;
    TimesDisplay display_;
    MinuteWatch minute_;
    QHash<int, QWidget*> controls_;
    QList<QLabel*> cellCaptions_; // in TimesCell order
    std::array<QLabel*, 4> timerCaptions_{};
    QHash<int, int> redraws_;
    CCommandTable& commands_;
    CCommandTable::Layer ownCommands_; // last: goes first, while what its commands use is there
};
