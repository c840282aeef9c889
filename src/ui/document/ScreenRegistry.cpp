#include "ui/document/ScreenRegistry.h"

void ScreenRegistry::AddCommand(int commandId, CommandHandler handler) {
    commands_[commandId] = std::move(handler);
    dialogTemplates_.remove(commandId);
}

void ScreenRegistry::AddDialog(int commandId, LayoutTriple templates, DialogFactory factory) {
    AddCommand(commandId, [factory = std::move(factory)](CommandContext& context) {
        if (std::unique_ptr<CCalcDialog> dialog = factory(context))
            dialog->DoModal();
    });
    dialogTemplates_.insert(commandId, templates);
}

void ScreenRegistry::AddView(int viewId, ViewFactory factory) {
    views_[viewId] = std::move(factory);
}

bool ScreenRegistry::RunCommand(int commandId, CommandContext& context) const {
    const auto it = commands_.constFind(commandId);
    if (it == commands_.constEnd())
        return false;
    // A copy: the handler may register or replace commands while it runs.
    const CommandHandler handler = *it;
    handler(context);
    return true;
}

std::unique_ptr<CCustomFormView> ScreenRegistry::CreateView(int viewId, CTrevallionDoc& document,
                                                            CCommandTable& commands,
                                                            QWidget* parent) const {
    const auto it = views_.constFind(viewId);
    if (it == views_.constEnd())
        return nullptr;
    return (*it)(document, commands, parent);
}
