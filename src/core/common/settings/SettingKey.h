#pragma once
// The typed keys of the settings: a key's stored name, its default, the values it accepts and
// when a change of it reaches the disk. Every key the program keeps is listed once in
// SettingsSchema.h; callers read and write through the key, never by spelling its name.
//
// A stored value the key does not accept (an integer outside its range, a text longer than its
// limit) reads as the default, as a missing one does: a hand-edited file
// never shows a value the program could not have written.

#include <QString>

#include <limits>

class SettingsStore;

enum class WritePolicy {
    // Written behind by the store's writer thread, the changes of one user action coalesced into
    // one write of the file.
    Behind,
    // Flight state (the recorded times): on the disk before the write returns, or at the end of
    // the SettingsBatch it was written in, so that a crash during a flight loses nothing.
    AtOnce,
};

// An integer ("DWORD") setting.
struct IntSetting {
    const char* name = "";
    int defaultValue = 0;
    int minimum = std::numeric_limits<int>::min();
    int maximum = std::numeric_limits<int>::max();
    WritePolicy policy = WritePolicy::Behind;
    int index = -1; // of a numbered key ("TimerVal" 0-3 is "TimerVal0" ...); -1 for a plain one

    // The numbered key `i` of a family such as "TimerVal".
    constexpr IntSetting At(int i) const {
        IntSetting key = *this;
        key.index = i;
        return key;
    }
    QString Name() const;
    bool Accepts(int value) const { return value >= minimum && value <= maximum; }
    // The stored value, or the default when it is missing, no integer or outside the range.
    int Read(const SettingsStore& store) const;
    void Write(SettingsStore& store, int value) const;
};

// A text setting; its default is the empty text.
struct TextSetting {
    const char* name = "";
    int maxLength = 0; // a longer stored text reads as ""
    WritePolicy policy = WritePolicy::Behind;
    int index = -1; // of a numbered key, as for IntSetting

    constexpr TextSetting At(int i) const {
        TextSetting key = *this;
        key.index = i;
        return key;
    }
    QString Name() const;
    bool Accepts(const QString& text) const;
    // The stored text, or "" when it is missing or not accepted.
    QString Read(const SettingsStore& store) const;
    void Write(SettingsStore& store, const QString& text) const;
    // Deletes the value, so that it reads as missing.
    void Remove(SettingsStore& store) const;
};

// The stored form of a yes/no setting: "Yes" or "No".
QString YesNoText(bool yes);
