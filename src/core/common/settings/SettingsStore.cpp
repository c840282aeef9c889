#include "core/common/settings/SettingsStore.h"

bool ParseStoredInt(const QString& text, int* value) {
    bool ok = false;
    const qlonglong parsed = text.trimmed().toLongLong(&ok, 10);
    if (!ok || parsed < -2147483648LL || parsed > 4294967295LL)
        return false;
    *value = static_cast<int>(static_cast<quint32>(parsed));
    return true;
}
