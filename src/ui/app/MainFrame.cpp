#include "ui/app/MainFrame.h"

#include "core/app/ViewTable.h"
#include "core/common/resources/Resources.h"
#include "core/common/settings/AppSettings.h"
#include "core/common/settings/SettingsSchema.h"
#include "core/common/settings/SettingsStore.h"
#include "core/times/FlightTimes.h"
#include "resource.h"
#include "ui/app/MenuBar.h"
#include "ui/app/PlaceholderView.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/document/TrevallionDoc.h"
#include "ui/framework/AppContext.h"
#include "ui/framework/ApplicationFonts.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/Platform.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

CMainFrame::CMainFrame(CTrevallionDoc& document, const ScreenRegistry& registry, QWidget* parent)
    : QWidget(parent), document_(document), registry_(registry) {
    setWindowTitle(LoadString(IDS_APP_TITLE));
    setFont(DialogFont());
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CMainFrame::OnTimer);
    connect(&CurrentPlatform().Screen(), &DeviceScreen::Changed, this, [this] { FitToScreen(); });
    InstallFrameCommandSink([this](int id) {
        QMetaObject::invokeMethod(
            this, [this, id] { OnCommand(id); }, Qt::QueuedConnection);
    });
    InstallFrameCommandQuery([this](int id) { return CommandStateFor(id).enabled; });
}

CMainFrame::~CMainFrame() {
    InstallFrameCommandSink({});
    InstallFrameCommandQuery({});
    timer_.stop();
    // The view goes first: it may still use the frame's document while it is destroyed.
    view_.reset();
}

bool CMainFrame::Create(int viewId) {
    viewId_ = FindView(viewId) ? viewId : kViewTimes;
    setFixedSize(CurrentPlatform().Screen().Size());
    if (!InstallMenuBar())
        return false;
    std::unique_ptr<CCustomFormView> view = MakeView(viewId_);
    if (!CreateView(*view))
        return false;
    view_ = std::move(view);
    layout_->insertWidget(0, view_.get(), 1);
    view_->show();
    tickClock_ = TickClock{};
    timer_.start();
    return true;
}

bool CMainFrame::InstallMenuBar() {
    const DeviceScreen& screen = CurrentPlatform().Screen();
    const bool firstSet = UsesFirstMenuSet(kPlatformMajorVersion, screen.Width(), screen.Height());
    const int menuId = MenuIdForView(viewId_, firstSet);
    if (menuBar_ && menuBar_->MenuId() == menuId)
        return true;
    auto* bar = new CMenuBar([this](int id) { return CommandStateFor(id); }, this);
    if (const Status loaded = bar->Load(menuId); !loaded) {
        createError_ = loaded.error().text;
        delete bar;
        return false;
    }
    connect(bar, &CMenuBar::CommandChosen, this, &CMainFrame::OnCommand);
    connect(bar, &CMenuBar::HelpRequested, this, &CMainFrame::OpenViewHelp);
    if (menuBar_) {
        // The old bar may be inside the signal of its own menu item (View switches views from
        // it), so it goes once that has returned.
        layout_->removeWidget(menuBar_);
        menuBar_->hide();
        menuBar_->deleteLater();
    }
    menuBar_ = bar;
    layout_->addWidget(menuBar_);
    return true;
}

std::unique_ptr<CCustomFormView> CMainFrame::MakeView(int viewId) {
    if (std::unique_ptr<CCustomFormView> view = registry_.CreateView(viewId, document_, this))
        return view;
    return std::make_unique<CPlaceholderView>(QString::fromUtf8(FindView(viewId)->title), this);
}

bool CMainFrame::CreateView(CCustomFormView& view) {
    if (view.Create())
        return true;
    createError_ = view.CreateError();
    return false;
}

void CMainFrame::SwitchView(int viewId) {
    if (viewId == viewId_ || !FindView(viewId))
        return;
    viewId_ = viewId;
    CurrentAppState().settings.viewId = static_cast<uint32_t>(viewId);
    std::unique_ptr<CCustomFormView> view = MakeView(viewId);
    view_.reset(); // the old view is gone before the new one's initial update
    if (!CreateView(*view)) {
        // A broken template must not leave the frame without a view.
        ShowMessageBox(this, createError_, LoadString(IDS_APP_TITLE), MessageButtons::Ok,
                       MessageIcon::Error);
        view = std::make_unique<CPlaceholderView>(QString::fromUtf8(FindView(viewId)->title), this);
        view->Create();
    }
    view_ = std::move(view);
    layout_->insertWidget(0, view_.get(), 1);
    view_->show();
    view_->setFocus();
    if (!InstallMenuBar())
        ShowMessageBox(this, createError_, LoadString(IDS_APP_TITLE), MessageButtons::Ok,
                       MessageIcon::Error);
    setting::kView.Write(CurrentPlatform().Settings(), viewId);
}

CViewCommands* CMainFrame::ViewCommands() const {
    return dynamic_cast<CViewCommands*>(view_.get());
}

void CMainFrame::OnCommand(int commandId) {
    if (!CommandStateFor(commandId).enabled)
        return;
    if (RunFrameCommand(commandId))
        return;
    if (CViewCommands* commands = ViewCommands(); commands && commands->OnViewCommand(commandId))
        return;
    CommandContext context{document_, this, commandId, viewId_};
    registry_.RunCommand(commandId, context);
}

CommandState CMainFrame::CommandStateFor(int commandId) const {
    CommandState state;
    if (FrameCommandState(commandId, &state))
        return state;
    if (const CViewCommands* commands = ViewCommands();
        commands && commands->UpdateViewCommand(commandId, &state))
        return state;
    state.enabled = registry_.HasCommand(commandId);
    return state;
}

namespace {

// The turn that gives the shape an orientation command names. A naturally portrait screen is
// portrait unturned and landscape turned right (90) or left (270); a naturally landscape screen
// is portrait turned by 90 and landscape unturned (right) or turned by half a turn (left).
int OrientationAngle(int commandId, const DeviceScreen& screen) {
    const bool landscape = screen.NaturallyLandscape();
    switch (commandId) {
    case ID_VIEW_LANDSCAPE_RIGHT:
        return landscape ? DeviceScreen::Angle0 : DeviceScreen::Angle90;
    case ID_VIEW_LANDSCAPE_LEFT:
        return landscape ? DeviceScreen::Angle180 : DeviceScreen::Angle270;
    default:
        return landscape ? DeviceScreen::Angle90 : DeviceScreen::Angle0;
    }
}

int AngleBit(int angle) {
    switch (angle) {
    case DeviceScreen::Angle90:
        return DeviceScreen::kSupports90;
    case DeviceScreen::Angle180:
        return DeviceScreen::kSupports180;
    case DeviceScreen::Angle270:
        return DeviceScreen::kSupports270;
    default:
        return 0;
    }
}

} // namespace

bool CMainFrame::FrameCommandState(int commandId, CommandState* state) const {
    const DeviceScreen& screen = CurrentPlatform().Screen();
    const int supported = screen.SupportedOrientations();
    switch (commandId) {
    case ID_FILE_EXIT:
    case kHelpCommand:
        *state = {true, false};
        return true;
    case ID_VIEW_PORTRAIT:
    case ID_VIEW_LANDSCAPE_RIGHT:
    case ID_VIEW_LANDSCAPE_LEFT: {
        const int angle = OrientationAngle(commandId, screen);
        *state = {angle == DeviceScreen::Angle0 || (supported & AngleBit(angle)) != 0,
                  screen.Orientation() == angle};
        return true;
    }
    default:
        break;
    }
    if (FindView(commandId)) {
        // Every view can be chosen; the current one carries the check.
        *state = {true, commandId == viewId_};
        return true;
    }
    return false;
}

bool CMainFrame::RunFrameCommand(int commandId) {
    DeviceScreen& screen = CurrentPlatform().Screen();
    switch (commandId) {
    case ID_FILE_EXIT:
        OnExit();
        return true;
    case kHelpCommand:
        OpenViewHelp();
        return true;
    case ID_VIEW_PORTRAIT:
    case ID_VIEW_LANDSCAPE_RIGHT:
    case ID_VIEW_LANDSCAPE_LEFT:
        screen.SetOrientation(OrientationAngle(commandId, screen));
        return true;
    default:
        break;
    }
    if (FindView(commandId)) {
        SwitchView(commandId);
        return true;
    }
    return false;
}

void CMainFrame::OnTimer() {
    const GpsReading gps = document_.Fix().Snapshot();
    TickResult tick = ClockTick(document_.Times(), tickClock_, gps, CurrentAppState().settings);
    for (const QString& sound : tick.sounds)
        CurrentPlatform().PlaySound(sound);
    const QList<Message> soundReports = tick.soundReports;
    document_.SetLastTick(std::move(tick));
    // A timer's sound that cannot be played is told once; the timer has gone on regardless.
    for (const Message& report : soundReports)
        ShowError(this, report, LoadString(IDS_APP_TITLE));
    if (const std::optional<Message> failure = document_.AfterTick(gps))
        ShowError(this, *failure, LoadString(IDS_APP_TITLE));
    if (view_)
        view_->OnTimerTick();
    // A recorded time or preference that could not reach the disk is told within a second.
    ReportSettingsFailure(this, LoadString(IDS_APP_TITLE));
}

bool CMainFrame::ConfirmExit() {
    if (!document_.Times().flight.FlightInProgress())
        return true;
    const Message question = ExitQuestion();
    return ShowMessageBox(this, question.text, LoadString(IDS_APP_TITLE), MessageButtons::OkCancel,
                          question.icon) == kIdOk;
}

bool CMainFrame::OnExit() {
    if (!ConfirmExit())
        return false;
    exitConfirmed_ = true;
    close();
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Closing the window by other means (the desktop's close button) follows the same rule.
    if (!exitConfirmed_ && !ConfirmExit()) {
        event->ignore();
        return;
    }
    exitConfirmed_ = true;
    exited_ = true;
    timer_.stop();
    // The last try of the settings written behind, while a window can still tell its failure.
    CurrentPlatform().Settings().Flush();
    ReportSettingsFailure(this, LoadString(IDS_APP_TITLE));
    event->accept();
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        OpenViewHelp();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CMainFrame::OpenViewHelp() {
    if (const ViewInfo* view = FindView(viewId_))
        CurrentPlatform().OpenHelp(QString::fromUtf8(view->helpTopic));
}

void CMainFrame::FitToScreen() {
    setFixedSize(CurrentPlatform().Screen().Size());
    // A screen that became square (or stopped being one) takes the other menu set.
    if (!InstallMenuBar())
        ShowMessageBox(this, createError_, LoadString(IDS_APP_TITLE), MessageButtons::Ok,
                       MessageIcon::Error);
}

void CMainFrame::ShowOnScreen() {
    const QScreen* display = QGuiApplication::primaryScreen();
    const QSize device = CurrentPlatform().Screen().Size();
    if (display && display->size().width() <= device.width() &&
        display->size().height() <= device.height())
        showFullScreen();
    else
        show();
}
