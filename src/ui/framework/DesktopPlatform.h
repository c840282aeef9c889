#pragma once
// The platform on a Linux desktop or touchscreen: Qt message boxes and file dialogs, the
// INI settings store, the help file in the user's browser, the system clipboard and sounds (the
// sound module, and so Qt Multimedia, is loaded when the first sound plays).

#include "core/common/settings/IniSettingsStore.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/Platform.h"

#include "ui/framework/sound/SoundModule.h"

class DesktopPlatform : public Platform {
public:
    explicit DesktopPlatform(QString settingsPath = IniSettingsStore::DefaultPath());
    ~DesktopPlatform() override;

    DeviceScreen& Screen() override { return screen_; }
    SettingsStore& Settings() override { return settings_; }
    int MessageBox(QWidget* parent, const QString& text, const QString& title,
                   MessageButtons buttons, MessageIcon icon) override;
    int RunModal(QDialog* dialog) override;
    QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    void OpenHelp(const QString& topic) override;
    bool StartProcess(const QString& program, const QStringList& arguments) override;
    void SetClipboardText(const QString& text) override;
    QString ClipboardText() override;
    void PlaySound(const QString& wavePath) override;
    void Beep() override;

private:
    DeviceScreen screen_;
    IniSettingsStore settings_;
    bool soundLoaded_ = false;            // the sound module was looked for
    PlayWaveFunction playWave_ = nullptr; // its entry point; nullptr when it could not load
};

// The help file's address for a topic: <program folder>/trevallion.htm#topic.
QString HelpFilePath();
