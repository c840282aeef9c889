#include "core/common/settings/SettingsStore.h"

bool ParseStoredInt(const QString& text, int* value) {
    bool ok = false;
    const qlonglong parsed = text.trimmed().toLongLong(&ok, 10);
    if (!ok || parsed < -2147483648LL || parsed > 4294967295LL)
        return false;
    *value = static_cast<int>(static_cast<quint32>(parsed));
    return true;
}

void SettingsStore::CommitAtOnce() {
    if (batchDepth_ > 0)
        commitPending_ = true;
    else
        Flush();
}

SettingsBatch::SettingsBatch(SettingsStore& store) : store_(store) {
    ++store_.batchDepth_;
}

SettingsBatch::~SettingsBatch() {
    if (--store_.batchDepth_ > 0 || !store_.commitPending_)
        return;
    store_.commitPending_ = false;
    store_.Flush();
}
