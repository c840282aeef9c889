// .nav file: a file that loads answers its look-ups, searches and JSON forms consistently; the
// set its look-ups give back writes a file that reads back as the same set, and that second file
// builds again byte for byte. A file that is refused leaves nothing loaded.

#include "FuzzSupport.h"
#include "NavDataCheck.h"

namespace {

// A search text taken from the file, so that searches can match: its last two bytes.
QString SearchText(const QByteArray& input) {
    return QString::fromLatin1(input.right(2));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = FuzzBytes(data, size);
    NavDatabase nav;
    const Status loaded = nav.LoadNavData(WriteFuzzFile(QStringLiteral("input.nav"), input));
    if (!loaded) {
        FUZZ_CHECK(!nav.IsLoaded() && nav.AirportCount() == 0 && nav.NavAidCount() == 0);
        FUZZ_CHECK(!loaded.error().text.isEmpty());
        return 0;
    }
    CheckNavLookups(nav, SearchText(input));
    const NavDataSet set = ReadBackNavData(nav);
    const NavDataSet back = CheckNavRebuild(set);
    FUZZ_CHECK(SameNavData(back, set));
    return 0;
}
