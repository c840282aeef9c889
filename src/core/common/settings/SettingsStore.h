#pragma once
// The settings store: integer and text values by name in one section, each read with the
// caller's default. A value that is missing, or an integer value that does not read as an
// integer, yields the default. Implementations: IniSettingsStore (the program's file) and
// MemorySettingsStore (tests, which also records the order of writes). Callers use the typed
// keys of SettingsSchema.h, which add ranges and the write policy on top of these operations.

#include "core/common/Outcome.h"

#include <QString>

#include <optional>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual int ReadInt(const QString& name, int defaultValue) const = 0;
    virtual void WriteInt(const QString& name, int value) = 0;
    virtual QString ReadText(const QString& name,
                             const QString& defaultValue = QString()) const = 0;
    virtual void WriteText(const QString& name, const QString& value) = 0;
    // Deletes a value, so that the next read yields the caller's default. A store that cannot
    // delete keeps an empty text, which readers of text values treat as missing.
    virtual void Remove(const QString& name) { WriteText(name, QString()); }
    // Writes the values not yet on the disk before returning (a store that writes through, or
    // keeps nothing on disk, has nothing to do).
    virtual void Flush() {}
    // A problem of the store's file not told yet, handed out once: a file that could not be read
    // at start, or a write to the disk that failed (told again only after a write has succeeded
    // in between; the values stay in the store and are written at the next change). Nothing
    // when all is well.
    virtual std::optional<Message> TakeFailure() { return std::nullopt; }

    // A value whose loss would hurt was written (WritePolicy::AtOnce): flushes now, or when the
    // open SettingsBatch ends.
    void CommitAtOnce();

private:
    friend class SettingsBatch;
    int batchDepth_ = 0;
    bool commitPending_ = false;
};

// The writes of one action as one: values written at once while a batch is open reach the disk
// in one write when the outermost batch ends.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore& store);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsStore& store_;
};

// Parses a stored integer: optional sign and decimal digits only, within the range of a
// 32-bit value (unsigned values above the signed range wrap as a DWORD does). Nothing on failure.
bool ParseStoredInt(const QString& text, int* value);
