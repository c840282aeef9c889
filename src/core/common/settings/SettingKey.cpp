#include "core/common/settings/SettingKey.h"

#include "core/common/settings/SettingsStore.h"

namespace {

QString KeyName(const char* name, int index) {
    const QString text = QString::fromLatin1(name);
    return index < 0 ? text : text + QString::number(index);
}

void Committed(SettingsStore& store, WritePolicy policy) {
    if (policy == WritePolicy::AtOnce)
        store.CommitAtOnce();
}

} // namespace

QString IntSetting::Name() const {
    return KeyName(name, index);
}

int IntSetting::Read(const SettingsStore& store) const {
    const int value = store.ReadInt(Name(), defaultValue);
    return Accepts(value) ? value : defaultValue;
}

void IntSetting::Write(SettingsStore& store, int value) const {
    store.WriteInt(Name(), value);
    Committed(store, policy);
}

QString TextSetting::Name() const {
    return KeyName(name, index);
}

bool TextSetting::Accepts(const QString& text) const {
    return text.size() <= maxLength;
}

QString TextSetting::Read(const SettingsStore& store) const {
    QString text = store.ReadText(Name());
    if (text.isEmpty() || !Accepts(text))
        return {};
    return text;
}

void TextSetting::Write(SettingsStore& store, const QString& text) const {
    store.WriteText(Name(), text);
    Committed(store, policy);
}

void TextSetting::Remove(SettingsStore& store) const {
    store.Remove(Name());
    Committed(store, policy);
}

QString YesNoText(bool yes) {
    return yes ? QStringLiteral("Yes") : QStringLiteral("No");
}
