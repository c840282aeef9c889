#pragma once
// The test double of the platform: records message boxes and answers them from a script, runs
// nested modal dialogs by script, records help topics, started programs, clipboard text and
// sounds, keeps settings in memory and fixes the clock. It installs itself as the current
// platform (and its clock as the current clock) for its lifetime.

#include "core/common/Clock.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "ui/framework/DeviceScreen.h"
#include "ui/framework/Platform.h"

#include <QList>

#include <functional>

class ScriptedPlatform : public Platform {
public:
    struct MessageRecord {
        QString text;
        QString title;
        MessageButtons buttons;
        MessageIcon icon;
    };
    // Interacts with a dialog run modally and returns its result; the dialog is visible then.
    using DialogScript = std::function<int(QDialog* dialog)>;

    explicit ScriptedPlatform(QSize screen = QSize(240, 320));
    ~ScriptedPlatform() override;

    DeviceScreen& Screen() override { return screen; }
    SettingsStore& Settings() override { return settingsOverride ? *settingsOverride : settings; }
    int MessageBox(QWidget* parent, const QString& text, const QString& title,
                   MessageButtons buttons, MessageIcon icon) override;
    int RunModal(QDialog* dialog) override;
    QString GetOpenFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString GetSaveFileName(QWidget* parent, const FileDialogRequest& request) override;
    void OpenHelp(const QString& topic) override { helpTopics.append(topic); }
    bool StartProcess(const QString& program, const QStringList& arguments) override;
    void SetClipboardText(const QString& text) override { clipboard = text; }
    QString ClipboardText() override { return clipboard; }
    void PlaySound(const QString& wavePath) override { sounds.append(wavePath); }
    void Beep() override { ++beeps; }
    QAction* TrackPopupMenu(QMenu* menu, const QPoint& globalPos) override;

    DeviceScreen screen;
    MemorySettingsStore settings;
    SettingsStore* settingsOverride = nullptr; // another store in place of `settings`, not owned
    FixedClock clock;

    QList<MessageRecord> messages;
    // Answers for the next message boxes, in order; without one a box answers OK (or Yes).
    QList<int> messageAnswers;
    // Scripts for the next modal runs, in order; without one a dialog is cancelled.
    QList<DialogScript> dialogScripts;
    QStringList modalTitles; // window titles of the dialogs run modally
    QStringList helpTopics;
    QList<QStringList> processes; // program followed by its arguments
    bool processStarts = true;
    QString clipboard;
    QStringList sounds;
    int beeps = 0;
    // Pop-up menus shown: the texts of each menu's commands in order (sub-menus included).
    QList<QStringList> popupMenus;
    // Command ids to choose in the next pop-up menus, in order; without one (or with an id the
    // menu does not hold) a menu is dismissed.
    QList<int> popupAnswers;
    QStringList openFileAnswers; // "" = cancelled
    QStringList saveFileAnswers;
    QList<FileDialogRequest> fileRequests;
};
