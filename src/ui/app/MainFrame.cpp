#include "ui/app/MainFrame.h"

#include "core/app/ViewTable.h"
#include "core/common/resources/Resources.h"
#include "core/common/settings/AppSettings.h"
#include "core/common/settings/SettingsSchema.h"
#include "core/common/settings/SettingsStore.h"
#include "core/times/FlightTimes.h"
#include "resource.h"
#include "ui/app/MenuBar.h"
#include "ui/app/NightColoursCommand.h"
#include "ui/app/OrientationCommands.h"
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
    registeredCommands_ = commands_.Add(RegisteredCommands());
    ownCommands_ = commands_.Add(OwnCommands());
}

CMainFrame::~CMainFrame() {
    timer_.stop();
    // The view goes first: it may still use the frame's document while it is destroyed. The menu
    // bars (an old one may wait for its deferred delete) go before the command table they use.
    view_.reset();
    qDeleteAll(findChildren<CMenuBar*>(Qt::FindDirectChildrenOnly));
    menuBar_ = nullptr;
}

QList<Command> CMainFrame::RegisteredCommands() {
    QList<Command> commands;
    for (const int id : registry_.CommandIds()) {
        commands.append({id, [this, id] {
                             CommandContext context{document_, this, id, viewId_, commands_};
                             registry_.RunCommand(id, context);
                             if (view_)
                                 view_->AfterDialog();
                         }});
    }
    return commands;
}

QList<Command> CMainFrame::OwnCommands() {
    QList<Command> commands{{ID_FILE_EXIT, [this] { OnExit(); }},
                            {ID_HELP, [this] { OpenViewHelp(); }}};
    for (const ViewInfo& view : ViewTable()) {
        // Every view can be chosen; the current one carries the check.
        const int id = view.viewId;
        commands.append({id, [this, id] { SwitchView(id); },
                         [this, id] {
                             return CommandState{true, id == viewId_};
                         }});
    }
    commands.append(NightColoursCommand());
    return commands + OrientationCommands();
}

Status CMainFrame::Create(int viewId) {
    viewId_ = FindView(viewId) ? viewId : kViewTimes;
    setFixedSize(CurrentPlatform().Screen().Size());
    if (Status bar = InstallMenuBar(); !bar)
        return bar;
    std::unique_ptr<CCustomFormView> view = MakeView(viewId_);
    if (Status created = CreateView(*view, viewId_); !created)
        return created;
    ShowView(std::move(view));
    tickClock_ = TickClock{};
    timer_.start();
    return {};
}

Status CMainFrame::InstallMenuBar() {
    const DeviceScreen& screen = CurrentPlatform().Screen();
    const bool firstSet = UsesFirstMenuSet(kPlatformMajorVersion, screen.Width(), screen.Height());
    const int menuId = MenuIdForView(viewId_, firstSet);
    if (menuBar_ && menuBar_->MenuId() == menuId)
        return {};
    auto* bar = new CMenuBar(commands_, this);
    if (Status loaded = bar->Load(menuId); !loaded) {
        delete bar;
        return loaded;
    }
    if (menuBar_) {
        // The old bar may be inside the signal of its own menu item (View switches views from
        // it), so it goes once that has returned.
        layout_->removeWidget(menuBar_);
        menuBar_->hide();
        menuBar_->deleteLater();
    }
    menuBar_ = bar;
    layout_->addWidget(menuBar_);
    return {};
}

std::unique_ptr<CCustomFormView> CMainFrame::MakeView(int viewId) {
    if (std::unique_ptr<CCustomFormView> view =
            registry_.CreateView(viewId, document_, commands_, this))
        return view;
    return std::make_unique<CPlaceholderView>(QString::fromUtf8(FindView(viewId)->title), this);
}

Status CMainFrame::CreateView(CCustomFormView& view, int viewId) {
    if (view.Create())
        return {};
    // A view that declined without a reason still names what failed.
    if (view.CreateError().isEmpty())
        return Status::Fail(QStringLiteral("The %1 view could not be created.")
                                .arg(QString::fromUtf8(FindView(viewId)->menuText)));
    return Status::Fail(view.CreateError());
}

void CMainFrame::ShowView(std::unique_ptr<CCustomFormView> view) {
    view_ = std::move(view);
    layout_->insertWidget(0, view_.get(), 1);
    view_->show();
}

void CMainFrame::ReportFailure(const Status& status) {
    if (!status)
        ShowMessageBox(this, status.error().text, LoadString(IDS_APP_TITLE), MessageButtons::Ok,
                       MessageIcon::Error);
}

void CMainFrame::SwitchView(int viewId) {
    if (viewId == viewId_ || !FindView(viewId))
        return;
    viewId_ = viewId;
    CurrentAppState().settings.viewId = static_cast<uint32_t>(viewId);
    std::unique_ptr<CCustomFormView> view = MakeView(viewId);
    view_.reset(); // the old view is gone before the new one's initial update
    if (const Status created = CreateView(*view, viewId); !created) {
        // A broken template must not leave the frame without a view (nor the view's commands).
        ReportFailure(created);
        view = std::make_unique<CPlaceholderView>(QString::fromUtf8(FindView(viewId)->title), this);
        view->Create(); // no template: nothing to fail
    }
    ShowView(std::move(view));
    view_->setFocus();
    ReportFailure(InstallMenuBar());
    setting::kView.Write(CurrentPlatform().Settings(), viewId);
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
        ShowStatus(this, report, LoadString(IDS_APP_TITLE));
    ShowStatus(this, document_.AfterTick(gps), LoadString(IDS_APP_TITLE));
    if (view_)
        view_->OnTimerTick();
    // A recorded time or preference that could not reach the disk is told within a second.
    ShowStatus(this, Status(CurrentPlatform().Settings().TakeFailure()), LoadString(IDS_APP_TITLE));
}

bool CMainFrame::ConfirmExit() {
    if (!document_.Times().flight.FlightInProgress())
        return true;
    return ShowMessageBox(this, ExitQuestion(), LoadString(IDS_APP_TITLE),
                          MessageButtons::OkCancel) == kIdOk;
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
    ShowStatus(this, Status(CurrentPlatform().Settings().TakeFailure()), LoadString(IDS_APP_TITLE));
    event->accept();
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        commands_.Run(ID_HELP);
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
    ReportFailure(InstallMenuBar());
}

void CMainFrame::ShowOnScreen() {
    const QScreen* display = QGuiApplication::primaryScreen();
    DeviceScreen& screen = CurrentPlatform().Screen();
    const QSize device = screen.Size();
    const QSize shown = display ? display->size() : QSize();
    // A display no larger than the device screen, in either of its shapes, is the device: the
    // window fills it and turns only into the shapes it can show.
    if (display && ((shown.width() <= device.width() && shown.height() <= device.height()) ||
                    (shown.width() <= device.height() && shown.height() <= device.width()))) {
        screen.SetDisplayLimit(shown);
        showFullScreen();
    } else
        show();
}
