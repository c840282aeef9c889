#include "ui/app/PreferencesCommand.h"

#include "core/app/PreferenceFields.h"
#include "core/common/settings/AppSettings.h"
#include "ui/app/PreferencesDlg.h"
#include "ui/document/ScreenRegistry.h"
#include "ui/framework/AppContext.h"

void RunPreferences(CommandContext& context) {
    CPreferencesDlg dialog(context.document, InitialPreferencesPage(context.currentViewId),
                           context.frame);
    dialog.DoModal();
    SavePreferences(CurrentPlatform().Settings(), CurrentAppState().settings);
}

void RegisterPreferences(ScreenRegistry& registry) {
    registry.AddCommand(ID_FILE_PREFERENCES, RunPreferences);
}
