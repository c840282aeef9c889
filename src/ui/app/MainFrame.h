#pragma once
// The main frame: the program's only top-level window. Its client area is the device screen: the
// current full-screen view above the menu bar of that view. It switches views on the View menu,
// turns the screen on the Orientation commands, drives the one-second tick, opens help for the
// current view and asks before leaving while a flight is being timed.
//
// The frame owns the command table the menus are built from. Its layers, newest first: the
// current view's commands (the view adds them when made, they go with it), the frame's own
// (views, orientation, exit, help) and the dialogs the subsystems registered. A command that no
// layer handles is disabled.

#include "core/common/Outcome.h"
#include "core/times/ClockTick.h"
#include "ui/framework/CommandTable.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class CCustomFormView;
class CMenuBar;
class CTrevallionDoc;
class QVBoxLayout;
class ScreenRegistry;

class CMainFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 1000;

    // The document and the registry are not owned and must outlive the frame; the registry's
    // commands are those registered when the frame is made.
    CMainFrame(CTrevallionDoc& document, const ScreenRegistry& registry, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Creation: the menu bar and the first view, then the tick timer. Fails with the reason when
    // the view or the menu bar cannot be created.
    Status Create(int viewId);

    int CurrentViewId() const { return viewId_; }
    CCustomFormView* ActiveView() const { return view_.get(); }
    CMenuBar* MenuBar() const { return menuBar_; }
    CTrevallionDoc& Document() const { return document_; }

    // The commands of the menus: run one by id (as if chosen) or read its state.
    CCommandTable& Commands() { return commands_; }

    // The View-menu commands: nothing for the current view; otherwise the new view replaces the
    // old one on the same document, the menu bar follows and "View" remembers it.
    void SwitchView(int viewId);

    // The one-second tick: timers, GPS takeoff and landing, sounds, then the view's own tick.
    void OnTimer();
    bool IsTicking() const { return timer_.isActive(); }
    const TickClock& PreviousTick() const { return tickClock_; }

    // Exit: asks first while a flight is timed; true when the program is leaving.
    bool OnExit();
    bool HasExited() const { return exited_; }

    // Shows the frame: windowed at the device screen's size, or full screen on a screen no larger.
    void ShowOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Status InstallMenuBar();
    std::unique_ptr<CCustomFormView> MakeView(int viewId);
    Status CreateView(CCustomFormView& view, int viewId);
    void ShowView(std::unique_ptr<CCustomFormView> view);
    void ReportFailure(const Status& status);
    void FitToScreen();
    bool ConfirmExit();
    void OpenViewHelp();
    QList<Command> OwnCommands();
    QList<Command> RegisteredCommands();

    CTrevallionDoc& document_;
    const ScreenRegistry& registry_;
    CCommandTable commands_; // outlives the view and the menu bar, which use its actions
    CCommandTable::Layer registeredCommands_;
    CCommandTable::Layer ownCommands_;
    QVBoxLayout* layout_ = nullptr;
    CMenuBar* menuBar_ = nullptr;
    std::unique_ptr<CCustomFormView> view_;
    int viewId_ = 0;
    TickClock tickClock_;
    QTimer timer_;
    bool exitConfirmed_ = false;
    bool exited_ = false;
};
