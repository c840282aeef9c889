#pragma once
// The menu commands a full-screen view handles itself (its File open/save, Graph and Times menus,
// its Edit-menu extra). A view that has such commands derives from CViewCommands beside
// CCustomFormView; the main frame offers every command to the current view first.

struct CommandState {
    bool enabled = true;
    bool checked = false;
};

class CViewCommands {
public:
    virtual ~CViewCommands() = default;

    // Runs a menu command; false when the view has no such command.
    virtual bool OnViewCommand(int commandId) = 0;
    // The enabled and checked state of a command; false when the view has no such command.
    virtual bool UpdateViewCommand(int commandId, CommandState* state) const = 0;
};
