#include "core/common/settings/MemorySettingsStore.h"

int MemorySettingsStore::ReadInt(const QString& name, int defaultValue) const {
    return ints_.value(name, defaultValue);
}

void MemorySettingsStore::WriteInt(const QString& name, int value) {
    texts_.remove(name);
    ints_[name] = value;
    log_.append(name + '=' + QString::number(value));
}

QString MemorySettingsStore::ReadText(const QString& name, const QString& defaultValue) const {
    return texts_.value(name, defaultValue);
}

void MemorySettingsStore::WriteText(const QString& name, const QString& value) {
    ints_.remove(name);
    texts_[name] = value;
    log_.append(name + '=' + value);
}

void MemorySettingsStore::Remove(const QString& name) {
    ints_.remove(name);
    texts_.remove(name);
    log_.append('-' + name);
}
