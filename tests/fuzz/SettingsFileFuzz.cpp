// The settings file. Whatever it holds, the values read from it write a file that is well
// formed and reads back as the same values, and the program's preferences read from it without
// fault; stored integers read only from decimal texts within a DWORD's range.

#include "FuzzSupport.h"

#include "core/common/settings/AppSettings.h"
#include "core/common/settings/IniSettingsStore.h"
#include "core/common/settings/IniText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = FuzzBytes(data, size);
    const IniDocument read = ParseIniText(input);
    const QByteArray written = WriteIniText(read.values);
    const IniDocument again = ParseIniText(written);
    FUZZ_CHECK(again.wellFormed);
    FUZZ_CHECK(again.values == read.values);
    FUZZ_CHECK(WriteIniText(again.values) == written);

    const IniSettingsStore store(WriteFuzzFile(QStringLiteral("Trevallion.ini"), input));
    (void)ReadAppSettings(store);
    for (auto it = read.values.cbegin(); it != read.values.cend(); ++it) {
        int value = 0;
        if (ParseStoredInt(it.value(), &value))
            FUZZ_CHECK(value ==
                       static_cast<int>(static_cast<quint32>(it.value().trimmed().toLongLong())));
    }
    return 0;
}
