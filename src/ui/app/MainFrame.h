#pragma once
// The main frame: the program's only top-level window. Its client area is the device screen: the
// current full-screen view above the menu bar of that view. It switches views on the View menu,
// runs the commands of the menus (its own, the current view's, and the dialogs the subsystems
// registered), turns the screen on the Orientation commands, drives the one-second tick, opens
// help for the current view and asks before leaving while a flight is being timed.
//
// A command goes to the frame's own table (views, orientation, exit, help), then to the current
// view (CViewCommands), then to the dialogs of the registry; one nobody handles is disabled.

#include "core/times/ClockTick.h"
#include "ui/document/ViewCommands.h"

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
    // The help command of the frame, the views and the dialogs.
    static constexpr int kHelpCommand = 132;

    // The document and the registry are not owned and must outlive the frame.
    CMainFrame(CTrevallionDoc& document, const ScreenRegistry& registry, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Creation: the menu bar and the first view, then the tick timer. False when the view or the
    // menu bar cannot be created; the reason is in CreateError().
    bool Create(int viewId);
    const QString& CreateError() const { return createError_; }

    int CurrentViewId() const { return viewId_; }
    CCustomFormView* ActiveView() const { return view_.get(); }
    CMenuBar* MenuBar() const { return menuBar_; }
    CTrevallionDoc& Document() const { return document_; }

    // Runs a menu command (as if chosen); a disabled command does nothing.
    void OnCommand(int commandId);
    // Whether a menu command is enabled and checked now.
    CommandState CommandStateFor(int commandId) const;

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
    bool InstallMenuBar();
    std::unique_ptr<CCustomFormView> MakeView(int viewId);
    bool CreateView(CCustomFormView& view);
    void FitToScreen();
    bool ConfirmExit();
    void OpenViewHelp();
    bool RunFrameCommand(int commandId);
    bool FrameCommandState(int commandId, CommandState* state) const;
    CViewCommands* ViewCommands() const;

    CTrevallionDoc& document_;
    const ScreenRegistry& registry_;
    QVBoxLayout* layout_ = nullptr;
    CMenuBar* menuBar_ = nullptr;
    std::unique_ptr<CCustomFormView> view_;
    int viewId_ = 0;
    TickClock tickClock_;
    QTimer timer_;
    QString createError_;
    bool exitConfirmed_ = false;
    bool exited_ = false;
};
