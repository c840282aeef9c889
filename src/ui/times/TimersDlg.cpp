#include "ui/times/TimersDlg.h"

#include "core/times/TimerControls.h"
#include "core/times/TimesState.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/ColourScheme.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/MenuBuilder.h"
#include "ui/framework/OwnerDrawArea.h"
#include "ui/framework/SpinButton.h"
#include "ui/times/TimeButtonPainting.h"
#include "ui/times/TimerOptionsDlg.h"

#include <QComboBox>
#include <QMenu>
#include <QPainter>
#include <QTabBar>

#include <algorithm>

namespace {

// The "then" list in ZeroAction order.
const char* const kZeroActions[] = {"Stop", "Restart", "Count up"};

QFont CurrentDisplayFont(bool squareScreen) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(squareScreen ? 30 : 45);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

CTimersDlg::CTimersDlg(CTrevallionDoc& document, int timerIndex, QWidget* parent)
    : CCalcDialog(kTemplates, parent), document_(document),
      selected_(std::clamp(timerIndex, 0, TimesState::kTimerCount - 1)),
      displayFont_(CurrentDisplayFont(CurrentPlatform().Screen().IsSquare())) {}

CTimersDlg::~CTimersDlg() {
    document_.SetTimersDialogRefresh({});
}

CountTimer& CTimersDlg::Timer() const {
    return document_.Times().timers[selected_];
}

bool CTimersDlg::OnInitDialog() {
    if (!CCalcDialog::OnInitDialog())
        return false;
    QComboBox* then = Combo(IDC_TIMERS_THEN);
    for (const char* action : kZeroActions)
        then->addItem(QString::fromLatin1(action));
    FillTabs();
    WireControls();
    connect(&redraw_, &QTimer::timeout, this, &CTimersDlg::RedrawCurrent);
    redraw_.setInterval(kRedrawMilliseconds);
    document_.SetTimersDialogRefresh([this] { Refresh(); });
    Refresh();
    return true;
}

void CTimersDlg::FillTabs() {
    auto* tabs = Item<QTabBar>(IDC_TIMERS_TABS);
    for (const CountTimer& timer : document_.Times().timers)
        tabs->addTab(timer.Name());
    tabs->setCurrentIndex(selected_);
    connect(tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            SelectTimer(index);
    });
}

void CTimersDlg::WireControls() {
    auto* current = Item<COwnerDrawArea>(IDC_TIMERS_CURRENT);
    current->SetPaintFunction(
        [this](QPainter& painter, const QRect& area) { PaintCurrent(painter, area); });
    connect(current, &COwnerDrawArea::clickedAt, this, &CTimersDlg::TapCurrent);
    connect(Item<CSpinButton>(IDC_TIMERS_MINUTES_SPIN), &CSpinButton::stepped, this,
            &CTimersDlg::StepMinutes);
    connect(Item<CSpinButton>(IDC_TIMERS_SECONDS_SPIN), &CSpinButton::stepped, this,
            &CTimersDlg::StepSeconds);
    Bind(IDC_TIMERS_START, [this] { Start(); });
    Bind(IDC_TIMERS_STOP, [this] { Stop(); });
    Bind(IDC_TIMERS_RESET, [this] { Reset(); });
    Bind(IDC_TIMERS_SET_STARTING, [this] { SetStarting(); });
    Bind(IDC_TIMERS_OPTIONS, [this] { RunOptions(); });
    Bind(IDC_TIMERS_COUNT_DOWN, [this] {
        Timer().SetOption(timer_options::kCountDown, IsDlgButtonChecked(IDC_TIMERS_COUNT_DOWN));
        Refresh();
    });
    connect(Combo(IDC_TIMERS_THEN), &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!refreshing_ && index >= 0)
            Timer().SetZeroAction(static_cast<ZeroAction>(index));
    });
}

ColouredText CTimersDlg::CurrentText() const {
    return TimerDisplayText(Timer());
}

void CTimersDlg::PaintCurrent(QPainter& painter, const QRect& area) const {
    const ColouredText text = CurrentText();
    painter.fillRect(area, CurrentColourScheme().paper);
    painter.setFont(displayFont_);
    painter.setPen(ToQColor(text.colour));
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text.text);
}

void CTimersDlg::RedrawCurrent() {
    if (QWidget* current = GetDlgItem(IDC_TIMERS_CURRENT))
        current->update();
}

void CTimersDlg::Refresh() {
    const TimerControls c = MakeTimerControls(Timer());
    refreshing_ = true;
    GetDlgItem(IDC_TIMERS_START)->setEnabled(c.startEnabled);
    GetDlgItem(IDC_TIMERS_STOP)->setEnabled(c.stopEnabled);
    for (int id : {IDC_TIMERS_SET_STARTING, IDC_TIMERS_COUNT_DOWN, IDC_TIMERS_STARTING,
                   IDC_TIMERS_MINUTES_SPIN, IDC_TIMERS_SECONDS_SPIN})
        GetDlgItem(id)->setEnabled(c.setupEnabled);
    CheckDlgButton(IDC_TIMERS_COUNT_DOWN, c.countDownChecked);
    QComboBox* then = Combo(IDC_TIMERS_THEN);
    then->setCurrentIndex(static_cast<int>(c.zeroAction));
    then->setEnabled(c.zeroActionEnabled);
    SetDlgItemText(IDC_TIMERS_STARTING, c.startLabel);
    refreshing_ = false;
    RedrawCurrent();
    if (Timer().IsRunning())
        redraw_.start();
    else
        redraw_.stop();
}

void CTimersDlg::SelectTimer(int index) {
    if (index < 0 || index >= TimesState::kTimerCount)
        return;
    selected_ = index;
    auto* tabs = Item<QTabBar>(IDC_TIMERS_TABS);
    if (tabs->currentIndex() != index)
        tabs->setCurrentIndex(index); // comes back here through currentChanged
    Refresh();
}

void CTimersDlg::Start() {
    ShowStatus(Timer().Start());
    Refresh();
}

void CTimersDlg::Stop() {
    Timer().Stop();
    Refresh();
}

void CTimersDlg::Reset() {
    Timer().Reset();
    RedrawCurrent();
}

void CTimersDlg::StepMinutes(int delta) {
    Step(delta, &CountTimer::MinuteUp, &CountTimer::MinuteDown);
}

void CTimersDlg::StepSeconds(int delta) {
    Step(delta, &CountTimer::SecondUp, &CountTimer::SecondDown);
}

void CTimersDlg::Step(int delta, void (CountTimer::*up)(), void (CountTimer::*down)()) {
    if (Timer().IsRunning())
        return;
    (Timer().*(delta > 0 ? up : down))();
    RedrawCurrent();
}

void CTimersDlg::TapCurrent(const QPoint& position) {
    if (!MakeTimerControls(Timer()).picker)
        return;
    const QVector<MenuItem>* items = FirstSubMenuItems(IDR_VALUES_0_59);
    QWidget* current = GetDlgItem(IDC_TIMERS_CURRENT);
    if (!items || !current)
        return;
    QMenu menu(this);
    AppendMenuItems(&menu, *items);
    const QAction* chosen = CurrentPlatform().TrackPopupMenu(&menu, current->mapToGlobal(position));
    const int number = MenuCommandId(chosen) - ID_VALUE_BASE;
    if (!chosen || number < 0 || number > 59)
        return;
    // The timer may have been started by a tick's takeoff while the menu was open.
    if (Timer().IsRunning())
        return;
    if (position.x() < current->width() / 2)
        Timer().PickMinutes(static_cast<uint32_t>(number));
    else
        Timer().PickSeconds(static_cast<uint32_t>(number));
    RedrawCurrent();
}

void CTimersDlg::SetStarting() {
    // The message says what was kept, on success as on failure.
    ShowStatus(Timer().SetStarting(document_.Settings()));
    Refresh();
}

void CTimersDlg::RunOptions() {
    CTimerOptionsDlg options(Timer(), this);
    if (options.DoModal() != kIdOk)
        return;
    Timer().SaveSettings(document_.Settings());
    Item<QTabBar>(IDC_TIMERS_TABS)->setTabText(selected_, Timer().Name());
    Refresh();
}

void CTimersDlg::done(int result) {
    redraw_.stop();
    document_.SetTimersDialogRefresh({});
    for (const CountTimer& timer : document_.Times().timers)
        timer.SaveSettings(document_.Settings());
    CCalcDialog::done(result);
}
