#pragma once
// The application object: starts the program and owns, for the whole run, the run-wide state
// (AppSettings, LastCalcResult, LastDistanceTrack), the GPS receiver's shared record, the
// registry of screens, the document and the main frame.
//
// Start-up (InitInstance): the title, the program folder, "Version", the preferences, the view to
// start with, then the document (its load failures are shown, none stops the program), the main
// frame with that view, and the window shown.

#include "core/common/settings/AppSettings.h"
#include "core/gps/GpsFix.h"
#include "ui/document/ScreenRegistry.h"

#include <QString>

#include <memory>

class CMainFrame;
class CTrevallionDoc;

class CTrevallionApp {
public:
    CTrevallionApp();
    ~CTrevallionApp();
    CTrevallionApp(const CTrevallionApp&) = delete;
    CTrevallionApp& operator=(const CTrevallionApp&) = delete;

    // Runs the start-up. False when the main frame or its first view cannot be created; the
    // reason is then in StartupError() and the program ends.
    bool InitInstance();
    const QString& StartupError() const { return startupError_; }
    // Brings the program's window (the open dialog, if one is) forward: another start asked.
    void BringToFront() const;

    const QString& Title() const { return title_; }
    // The folder of the program's shipped data, with a trailing separator.
    const QString& ProgramFolder() const { return programFolder_; }
    AppState& State() { return state_; }
    GpsFix& Fix() { return gpsFix_; }
    ScreenRegistry& Registry() { return registry_; }
    CTrevallionDoc* Document() const { return document_.get(); }
    CMainFrame* MainFrame() const { return frame_.get(); }

private:
    QString title_;
    QString programFolder_;
    QString startupError_;
    AppState state_;
    GpsFix gpsFix_;
    ScreenRegistry registry_;
    std::unique_ptr<CTrevallionDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
};
