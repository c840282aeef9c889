#include "ui/times/TimerView.h"

#include "core/common/Clock.h"
#include "core/common/resources/Resources.h"
#include "core/common/text/Format.h"
#include "core/times/TimerControls.h"
#include "resource.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/OwnerDrawArea.h"
#include "ui/gps/GpsDlg.h"
#include "ui/times/TimeButtonPainting.h"
#include "ui/times/TimesHandOff.h"
#include "ui/times/TimesViewLayout.h"

#include <QLabel>
#include <QPainter>

namespace {

struct CellControls {
    TimesCell cell;
    int captionId; // 0: a caption without an id
    const char* caption;
    int buttonId;
};

// In TimesCell order.
constexpr CellControls kCells[] = {
    {TimesCell::TopClock, IDC_TIMES_TOP_CAPTION, "Local Time", IDC_TIMES_TOP_CLOCK},
    {TimesCell::SecondClock, IDC_TIMES_SECOND_CAPTION, "Zulu Time", IDC_TIMES_SECOND_CLOCK},
    {TimesCell::Startup, 0, "Startup", IDC_TIMES_STARTUP},
    {TimesCell::FlightTime, 0, "Flight Time", IDC_TIMES_FLIGHT_TIME},
    {TimesCell::Takeoff, 0, "Takeoff", IDC_TIMES_TAKEOFF},
    {TimesCell::AirTime, 0, "Air Time", IDC_TIMES_AIR_TIME},
    {TimesCell::Landing, 0, "Landing", IDC_TIMES_LANDING},
    {TimesCell::Shutdown, 0, "Shutdown", IDC_TIMES_SHUTDOWN},
    {TimesCell::Speed, 0, "Speed", IDC_TIMES_GPS_SPEED},
};
static_assert(std::size(kCells) == kTimesCellCount);

bool SquareScreen() {
    return CurrentPlatform().Screen().IsSquare();
}

} // namespace

CTimerView::CTimerView(CTrevallionDoc& document, CCommandTable& commands, QWidget* parent)
    : CCustomFormView(LayoutTriple{}, QStringLiteral("Times"), parent), document_(document),
      commands_(commands), ownCommands_(commands.Add(TimesCommands())) {}

CTimerView::~CTimerView() {
    display_.Save(document_.Settings());
}

void CTimerView::OnInitialUpdate() {
    display_ = TimesDisplay::Load(document_.Settings());
    CreateControls();
    ApplyCaptions();
    minute_.Changed(CurrentClock().NowUtc());
    ShowGpsSpeed();
    CCustomFormView::OnInitialUpdate();
}

COwnerDrawArea* CTimerView::AddButton(int id, bool timer) {
    auto* button = new COwnerDrawArea(this);
    const QFont font = timer ? TimesTimerFont(SquareScreen()) : TimesTimeFont(SquareScreen());
    button->SetPaintFunction([this, id, timer, font](QPainter& painter, const QRect& area) {
        const ColouredText text = ButtonText(id);
        if (timer)
            PaintTimerButton(painter, area, text, font);
        else
            PaintTimeButton(painter, area, text, font);
    });
    controls_.insert(id, button);
    return button;
}

QLabel* CTimerView::AddLabel(int id, const QString& text) {
    auto* label = new QLabel(text, this);
    if (id != 0)
        controls_.insert(id, label);
    return label;
}

void CTimerView::CreateControls() {
    using Record = void (CTimerView::*)();
    const QHash<int, Record> recorders = {{IDC_TIMES_STARTUP, &CTimerView::RecordStartup},
                                          {IDC_TIMES_TAKEOFF, &CTimerView::RecordTakeoff},
                                          {IDC_TIMES_LANDING, &CTimerView::RecordLanding},
                                          {IDC_TIMES_SHUTDOWN, &CTimerView::RecordShutdown}};
    for (const CellControls& cell : kCells) {
        cellCaptions_.append(AddLabel(cell.captionId, QString::fromLatin1(cell.caption)));
        if (cell.cell == TimesCell::Speed) {
            QLabel* speed = AddLabel(cell.buttonId, QStringLiteral("0"));
            speed->setFont(TimesTimeFont(SquareScreen()));
            speed->setAlignment(Qt::AlignRight | Qt::AlignTop);
            continue;
        }
        COwnerDrawArea* button = AddButton(cell.buttonId, false);
        if (const Record record = recorders.value(cell.buttonId))
            connect(button, &COwnerDrawArea::clicked, this, [this, record] { (this->*record)(); });
    }
    for (int t = 0; t < kTimesTimerCount; ++t) {
        timerCaptions_[t] = AddLabel(0, document_.Times().timers[t].Name());
        COwnerDrawArea* button = AddButton(kTimerButtons[t], true);
        connect(button, &COwnerDrawArea::clicked, this, [this, t] { OpenTimers(t); });
    }
}

void CTimerView::Relayout() {
    if (cellCaptions_.isEmpty())
        return;
    const DeviceScreen& screen = CurrentPlatform().Screen();
    const bool square = screen.IsSquare();
    const TimesLayout layout =
        LayoutTimesView(size(), screen.Height() > screen.Width(), TimesTimeFont(square).pixelSize(),
                        TimesTimerFont(square).pixelSize());
    for (int i = 0; i < kTimesCellCount; ++i) {
        cellCaptions_[i]->setGeometry(layout.captions[i]);
        controls_.value(kCells[i].buttonId)->setGeometry(layout.buttons[i]);
    }
    for (int t = 0; t < kTimesTimerCount; ++t) {
        timerCaptions_[t]->setGeometry(layout.timerCaptions[t]);
        controls_.value(kTimerButtons[t])->setGeometry(layout.timerButtons[t]);
    }
}

int CTimerView::ZoneOffset() const {
    return CurrentAppState().settings.timeZoneOffset;
}

ColouredText CTimerView::ButtonText(int id) const {
    const FlightTimes& times = document_.Times().flight;
    const int zone = ZoneOffset();
    for (int t = 0; t < kTimesTimerCount; ++t)
        if (kTimerButtons[t] == id)
            return TimerButtonText(document_.Times().timers[t]);
    switch (id) {
    case IDC_TIMES_TOP_CLOCK:
        return {display_.TopClock(zone), TextColour::Black};
    case IDC_TIMES_SECOND_CLOCK:
        return {display_.SecondClock(zone), TextColour::Black};
    case IDC_TIMES_STARTUP:
        return display_.Event(times, FlightEvent::Startup, zone);
    case IDC_TIMES_TAKEOFF:
        return display_.Event(times, FlightEvent::Takeoff, zone);
    case IDC_TIMES_LANDING:
        return display_.Event(times, FlightEvent::Landing, zone);
    case IDC_TIMES_SHUTDOWN:
        return display_.Event(times, FlightEvent::Shutdown, zone);
    case IDC_TIMES_FLIGHT_TIME:
        return display_.FlightTime(times);
    case IDC_TIMES_AIR_TIME:
        return display_.AirTime(times);
    default:
        break;
    }
    return {};
}

void CTimerView::Redraw(std::initializer_list<int> ids) {
    for (int id : ids) {
        if (QWidget* control = controls_.value(id))
            control->update();
        ++redraws_[id];
    }
}

void CTimerView::ApplyCaptions() {
    qobject_cast<QLabel*>(Control(IDC_TIMES_TOP_CAPTION))->setText(display_.TopCaption());
    qobject_cast<QLabel*>(Control(IDC_TIMES_SECOND_CAPTION))->setText(display_.SecondCaption());
}

void CTimerView::ShowGpsSpeed() {
    const GpsReading gps = document_.Fix().Snapshot();
    cellCaptions_[static_cast<int>(TimesCell::Speed)]->setVisible(gps.open);
    auto* speed = qobject_cast<QLabel*>(Control(IDC_TIMES_GPS_SPEED));
    speed->setVisible(gps.open);
    speed->setText(FormatText("%u", static_cast<unsigned>(std::max(gps.values.speed, 0))));
}

void CTimerView::AfterDialog() {
    ApplyCaptions();
    Redraw({IDC_TIMES_TOP_CLOCK, IDC_TIMES_SECOND_CLOCK, IDC_TIMES_STARTUP, IDC_TIMES_TAKEOFF,
            IDC_TIMES_LANDING, IDC_TIMES_SHUTDOWN, IDC_TIMES_FLIGHT_TIME, IDC_TIMES_AIR_TIME});
}

void CTimerView::OnTimerTick() {
    const FlightTimes& times = document_.Times().flight;
    if (minute_.Changed(CurrentClock().NowUtc())) {
        Redraw({IDC_TIMES_TOP_CLOCK, IDC_TIMES_SECOND_CLOCK});
        Redraw(
            {times.IsRecorded(FlightEvent::Startup) ? IDC_TIMES_FLIGHT_TIME : IDC_TIMES_STARTUP});
        Redraw({times.IsRecorded(FlightEvent::Takeoff) ? IDC_TIMES_AIR_TIME : IDC_TIMES_TAKEOFF});
        if (!times.IsRecorded(FlightEvent::Landing))
            Redraw({IDC_TIMES_LANDING});
        if (!times.IsRecorded(FlightEvent::Shutdown))
            Redraw({IDC_TIMES_SHUTDOWN});
    }
    if (document_.LastTick().refreshTimes)
        Redraw({IDC_TIMES_STARTUP, IDC_TIMES_TAKEOFF, IDC_TIMES_LANDING, IDC_TIMES_SHUTDOWN,
                IDC_TIMES_FLIGHT_TIME, IDC_TIMES_AIR_TIME});
    Redraw({kTimerButtons[0], kTimerButtons[1], kTimerButtons[2], kTimerButtons[3]});
    for (int t = 0; t < kTimesTimerCount; ++t)
        timerCaptions_[t]->setText(document_.Times().timers[t].Name());
    ShowGpsSpeed();
}

void CTimerView::TimesChanged(std::initializer_list<int> ids) {
    // Redrawn first: a message about the logbook comes over the times as they now are.
    Redraw(ids);
    ShowStatus(document_.SaveFlightTimes());
}

void CTimerView::RecordStartup() {
    if (document_.Times().flight.RecordStartup())
        TimesChanged({IDC_TIMES_STARTUP, IDC_TIMES_FLIGHT_TIME});
}

void CTimerView::RecordTakeoff() {
    if (document_.Times().RecordTakeoff(document_.GpsPosition()))
        TimesChanged({IDC_TIMES_TAKEOFF, IDC_TIMES_AIR_TIME});
}

void CTimerView::RecordLanding() {
    if (document_.Times().RecordLandingByHand(document_.GpsPosition()))
        TimesChanged({IDC_TIMES_TAKEOFF, IDC_TIMES_LANDING, IDC_TIMES_AIR_TIME});
}

void CTimerView::RecordShutdown() {
    FlightTimes& times = document_.Times().flight;
    ShutdownRecord result = times.RecordShutdown();
    if (result == ShutdownRecord::AskFirst) {
        if (ShowMessageBox(this, ShutdownBeforeLandingQuestion(), LoadString(IDS_APP_TITLE),
                           MessageButtons::OkCancel) != kIdOk)
            return;
        result = times.RecordShutdown(true);
    }
    if (result == ShutdownRecord::Recorded)
        TimesChanged({IDC_TIMES_STARTUP, IDC_TIMES_SHUTDOWN, IDC_TIMES_FLIGHT_TIME});
}

void CTimerView::ResetStartup() {
    document_.Times().flight.ResetStartup();
    TimesChanged({IDC_TIMES_STARTUP, IDC_TIMES_SHUTDOWN, IDC_TIMES_FLIGHT_TIME});
}

void CTimerView::ResetTakeoff() {
    document_.Times().flight.ResetTakeoff();
    TimesChanged({IDC_TIMES_TAKEOFF, IDC_TIMES_LANDING, IDC_TIMES_AIR_TIME});
}

void CTimerView::ResetLanding() {
    document_.Times().flight.ResetLanding();
    TimesChanged({IDC_TIMES_TAKEOFF, IDC_TIMES_LANDING, IDC_TIMES_AIR_TIME});
}

void CTimerView::ResetShutdown() {
    document_.Times().flight.ResetShutdown();
    TimesChanged({IDC_TIMES_STARTUP, IDC_TIMES_SHUTDOWN, IDC_TIMES_FLIGHT_TIME});
}

void CTimerView::ResetAll() {
    document_.Times().flight.ResetAll();
    TimesChanged({IDC_TIMES_STARTUP, IDC_TIMES_TAKEOFF, IDC_TIMES_LANDING, IDC_TIMES_SHUTDOWN,
                  IDC_TIMES_FLIGHT_TIME, IDC_TIMES_AIR_TIME});
}

void CTimerView::ToggleFlag(bool TimesDisplay::*flag) {
    display_.*flag = !(display_.*flag);
    ApplyCaptions();
    Redraw({IDC_TIMES_TOP_CLOCK, IDC_TIMES_SECOND_CLOCK, IDC_TIMES_STARTUP, IDC_TIMES_TAKEOFF,
            IDC_TIMES_LANDING, IDC_TIMES_SHUTDOWN, IDC_TIMES_FLIGHT_TIME, IDC_TIMES_AIR_TIME});
}

void CTimerView::OpenTimers(int timerIndex) {
    // The Timers dialog's command runs once this click has returned, on the timer named here.
    document_.Times().timersDialogTimer = timerIndex;
    commands_.Post(ID_TIMES_TIMERS);
}

void CTimerView::RunGpsDialog() {
    CGpsDlg dialog(document_, this);
    dialog.DoModal();
    ShowGpsSpeed();
}

QList<Command> CTimerView::TimesCommands() {
    const auto recorded = [this](FlightEvent event) {
        return [this, event] {
            return CommandState{document_.Times().flight.IsRecorded(event), false};
        };
    };
    const auto shown = [this](bool TimesDisplay::*flag) {
        return [this, flag] { return CommandState{true, display_.*flag}; };
    };
    return {
        {ID_TIMES_RESET_ALL, [this] { ResetAll(); },
         [this] {
             return CommandState{document_.Times().flight.AnyRecorded(), false};
         }},
        {ID_TIMES_RESET_STARTUP, [this] { ResetStartup(); }, recorded(FlightEvent::Startup)},
        {ID_TIMES_RESET_TAKEOFF, [this] { ResetTakeoff(); }, recorded(FlightEvent::Takeoff)},
        {ID_TIMES_RESET_LANDING, [this] { ResetLanding(); }, recorded(FlightEvent::Landing)},
        {ID_TIMES_RESET_SHUTDOWN, [this] { ResetShutdown(); }, recorded(FlightEvent::Shutdown)},
        {ID_TIMES_LOCAL_TIME, [this] { ToggleFlag(&TimesDisplay::localTime); },
         shown(&TimesDisplay::localTime)},
        {ID_TIMES_SHOW_HHMM, [this] { ToggleFlag(&TimesDisplay::hoursMinutes); },
         shown(&TimesDisplay::hoursMinutes)},
        {ID_TIMES_COPY,
         [this] {
             CopyTimesToClipboard(this,
                                  display_.ClipboardText(document_.Times().flight, ZoneOffset()));
         }},
        {ID_TIMES_COPY_TO_VEROL,
         [this] { HandTimesToFlightLog(this, document_.Times().flight, display_, ZoneOffset()); }},
        {ID_EDIT_GPS, [this] { RunGpsDialog(); }},
    };
}
