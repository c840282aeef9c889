// The logbook's CSV form. A file that reads back writes a file that reads back; after that
// first write (which rounds typed durations to the tenth) the text no longer changes, and every
// entry read passes the store's own check.

#include "FuzzSupport.h"

#include "core/logbook/LogbookCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Outcome<QList<LogbookEntry>> read = ParseLogbookCsv(FuzzBytes(data, size));
    if (!read.ok()) {
        FUZZ_CHECK(read.error().text.startsWith(QStringLiteral("Line ")));
        return 0;
    }
    for (const LogbookEntry& entry : read.value())
        FUZZ_CHECK(CheckLogbookEntry(entry).ok());
    const QByteArray written = LogbookCsvText(read.value());
    const Outcome<QList<LogbookEntry>> again = ParseLogbookCsv(written);
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again->size() == read->size());
    FUZZ_CHECK(LogbookCsvText(again.value()) == written);
    return 0;
}
