#pragma once
// What each subsystem adds to the main frame: its full-screen view (by ViewId) and the commands
// of its dialogs, which the frame puts in its command table. A menu command that nothing handles
// stays disabled, and a view without a registration is shown as its painted title only. Each
// subsystem offers one function that registers its screens, for example
//
//   void RegisterWindCalculators(ScreenRegistry& registry) {
//       registry.AddDialog<CGroundSpeedDlg>(ID_CALC_GROUND_SPEED);
//       registry.AddDialog(ID_CALC_HEADING_TIME, CHeadingTimeDlg::kTemplates,
//                          [](CommandContext& c) {
//                              return std::make_unique<CHeadingTimeDlg>(c.commands, c.frame);
//                          });
//   }
//
// and the application's list (ui/app/ScreenRegistrations.cpp) calls it. A view adds its own
// commands to the table it is given (see CommandTable.h).

#include "ui/framework/CalcDialog.h"
#include "ui/framework/CommandTable.h"
#include "ui/framework/CustomFormView.h"
#include "ui/framework/LayoutTriple.h"

#include <QList>
#include <QMap>

#include <functional>
#include <memory>
#include <type_traits>

class CTrevallionDoc;
class QWidget;

// What a command gets: the active document, the main window (the parent of dialogs), the
// command id (dialogs with modes take it), the view shown at the time and the frame's command
// table (a dialog that hands on to another posts its command there).
struct CommandContext {
    CTrevallionDoc& document;
    QWidget* frame;
    int commandId;
    int currentViewId;
    CCommandTable& commands;
};

using CommandHandler = std::function<void(CommandContext&)>;
using DialogFactory = std::function<std::unique_ptr<CCalcDialog>(CommandContext&)>;
// Creates a view on the document as a child of `parent`, adding its commands to `commands` for
// its life; the frame then runs its Create().
using ViewFactory = std::function<std::unique_ptr<CCustomFormView>(
    CTrevallionDoc& document, CCommandTable& commands, QWidget* parent)>;

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
    // The same for a view class constructible from the document, the command table and its
    // parent, or (a view without commands) from the document and its parent.
    template <typename T> void AddView(int viewId) {
        AddView(
            viewId,
            [](CTrevallionDoc& document, CCommandTable& commands,
               QWidget* parent) -> std::unique_ptr<CCustomFormView> {
                if constexpr (std::is_constructible_v<T, CTrevallionDoc&, CCommandTable&, QWidget*>)
                    return std::make_unique<T>(document, commands, parent);
                else
                    return std::make_unique<T>(document, parent);
            });
    }

    bool HasCommand(int commandId) const { return commands_.contains(commandId); }
    QList<int> CommandIds() const { return commands_.keys(); }
    // Runs the command; false when none is registered.
    bool RunCommand(int commandId, CommandContext& context) const;
    // The registered dialog commands with their templates (the gallery and tests walk them).
    const QMap<int, LayoutTriple>& DialogTemplates() const { return dialogTemplates_; }

    bool HasView(int viewId) const { return views_.contains(viewId); }
    // The view made by the registered factory; nullptr when none is registered.
    std::unique_ptr<CCustomFormView> CreateView(int viewId, CTrevallionDoc& document,
                                                CCommandTable& commands, QWidget* parent) const;

private:
    QMap<int, CommandHandler> commands_;
    QMap<int, LayoutTriple> dialogTemplates_;
    QMap<int, ViewFactory> views_;
};
