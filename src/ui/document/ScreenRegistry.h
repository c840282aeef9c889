#pragma once
// What each subsystem adds to the main frame: its full-screen view (by ViewId) and the commands
// of its dialogs. A menu command without a registration stays disabled, and a view without one is
// shown as its painted title only. Each subsystem offers one function that registers its
// screens, for example
//
//   void RegisterWindCalculators(ScreenRegistry& registry) {
//       registry.AddDialog<CGroundSpeedDlg>(ID_CALC_GROUND_SPEED);
//       registry.AddDialog(ID_CALC_HEADING_TIME, CHeadingTimeDlg::kTemplates,
//                          [](CommandContext& c) {
//                              return std::make_unique<CHeadingTimeDlg>(c.document, c.frame);
//                          });
//   }
//
// and the application's list (ui/app/ScreenRegistrations.cpp) calls it.

#include "ui/framework/CalcDialog.h"
#include "ui/framework/CustomFormView.h"
#include "ui/framework/LayoutTriple.h"

#include <QList>
#include <QMap>

#include <functional>
#include <memory>

class CTrevallionDoc;
class QWidget;

// What a command gets: the active document, the main window (the parent of dialogs), the
// command id (dialogs with modes take it) and the view shown at the time.
struct CommandContext {
    CTrevallionDoc& document;
    QWidget* frame;
    int commandId;
    int currentViewId;
};

using CommandHandler = std::function<void(CommandContext&)>;
using DialogFactory = std::function<std::unique_ptr<CCalcDialog>(CommandContext&)>;
// Creates a view on the document as a child of `parent`; the frame then runs its Create().
using ViewFactory =
    std::function<std::unique_ptr<CCustomFormView>(CTrevallionDoc& document, QWidget* parent)>;

class ScreenRegistry {
public:
    // A command that runs a handler. A later registration of the same id replaces the earlier.
    void AddCommand(int commandId, CommandHandler handler);
    // A command that runs a dialog modally: made by the factory, then DoModal().
    void AddDialog(int commandId, LayoutTriple templates, DialogFactory factory);
    // The same for a dialog class constructible from its parent, with its kTemplates.
    template <typename T> void AddDialog(int commandId) {
        AddDialog(commandId, T::kTemplates,
                  [](CommandContext& c) { return std::make_unique<T>(c.frame); });
    }
    void AddView(int viewId, ViewFactory factory);

    bool HasCommand(int commandId) const { return commands_.contains(commandId); }
    // Runs the command; false when none is registered.
    bool RunCommand(int commandId, CommandContext& context) const;
    // The registered dialog commands with their templates (the gallery and tests walk them).
    const QMap<int, LayoutTriple>& DialogTemplates() const { return dialogTemplates_; }

    bool HasView(int viewId) const { return views_.contains(viewId); }
    // The view made by the registered factory; nullptr when none is registered.
    std::unique_ptr<CCustomFormView> CreateView(int viewId, CTrevallionDoc& document,
                                                QWidget* parent) const;

private:
    QMap<int, CommandHandler> commands_;
    QMap<int, LayoutTriple> dialogTemplates_;
    QMap<int, ViewFactory> views_;
};

// Hands the main frame a command to run after the current one has finished, the way a dialog
// passes on to another dialog ("Distance && Track" from Heading & Time). Does nothing when no
// frame is installed.
void PostFrameCommand(int commandId);
// The main frame installs its receiver here (nullptr-like empty function to remove it).
void InstallFrameCommandSink(std::function<void(int)> sink);
// Whether the main frame would run the command now (a screen is registered and enabled), so a
// dialog can disable a button that would hand on to nothing. False when no frame is installed.
bool FrameCanRun(int commandId);
// The main frame installs its answer here (an empty function to remove it).
void InstallFrameCommandQuery(std::function<bool(int)> query);
