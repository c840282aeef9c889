// OurAirports CSV to .nav and back. The input holds five parts separated by 0x1E bytes: an
// options line ("country,region"), then airports.csv, runways.csv, airport-frequencies.csv and
// navaids.csv. An import that succeeds holds an airport, keeps only identifiers that fit a key,
// each once, and at most ten runways an airport; its .nav file gives every airport and (uniquely
// named) nav aid back by look-up as imported, with texts as the file stores them, and rebuilds byte
// for byte.

#include "FuzzSupport.h"
#include "NavDataCheck.h"

#include "core/navdata/NavFileFormat.h"
#include "core/navdata/NavFileWriter.h"
#include "core/navdata/OurAirportsCsv.h"
#include "core/navdata/OurAirportsImport.h"

#include <QDir>
#include <QSet>

namespace {

const char* const kFiles[] = {"airports.csv", "runways.csv", "airport-frequencies.csv",
                              "navaids.csv"};

AirportDetails AsStored(AirportDetails a) {
    a.record.runwayCount = static_cast<uint16_t>(a.runways.size());
    a.record.commCount = static_cast<uint16_t>(a.comm.size());
    for (RunwayRecord& runway : a.runways) {
        runway.end1 = NavTextAsStored(runway.end1, 4);
        runway.end2 = NavTextAsStored(runway.end2, 4);
    }
    for (CommEntry& line : a.comm) {
        line.label = NavTextAsStored(line.label, navfile::kCommSlotBytes);
        line.frequency = NavTextAsStored(line.frequency, navfile::kCommSlotBytes);
    }
    a.name = NavTextAsStored(a.name, navfile::kTextBufferBytes);
    a.city = NavTextAsStored(a.city, navfile::kTextBufferBytes);
    return a;
}

OurAirportsOptions WriteInput(const QList<QByteArray>& parts) {
    OurAirportsOptions options;
    options.folder = FuzzFolder() + QStringLiteral("ourairports");
    QDir().mkpath(options.folder);
    for (int i = 0; i < 4; ++i)
        WriteFuzzFile(QStringLiteral("ourairports/") + kFiles[i], parts[i + 1]);
    const QList<QByteArray> choice = SplitFuzzInput(parts[0].trimmed(), ',', 2);
    options.country = QString::fromUtf8(choice[0]);
    options.region = QString::fromUtf8(choice[1]);
    options.description = QStringLiteral("Fuzz");
    return options;
}

void CheckImported(const NavDataSet& set, const OurAirportsSummary& summary) {
    FUZZ_CHECK(summary.airports == set.airports.size() && summary.navAids == set.navAids.size());
    FUZZ_CHECK(!set.airports.isEmpty()); // a filter that matches nothing is refused
    QSet<uint32_t> keys;
    for (const AirportDetails& a : set.airports) {
        FUZZ_CHECK(OurAirportsCsv::FitsKey(a.record.key.Text()));
        FUZZ_CHECK(!keys.contains(a.record.key.Raw()));
        keys.insert(a.record.key.Raw());
        FUZZ_CHECK(a.runways.size() <= navfile::kMaxRunwaysKept);
    }
    for (const NavAid& aid : set.navAids)
        FUZZ_CHECK(OurAirportsCsv::FitsKey(aid.record.key.Text()));
}

void CheckLookedUp(NavDatabase& nav, const NavDataSet& set) {
    QMultiHash<uint32_t, int> aidKeys;
    for (int i = 0; i < set.navAids.size(); ++i)
        aidKeys.insert(set.navAids[i].record.key.Raw(), i);
    for (const AirportDetails& a : set.airports) {
        FUZZ_CHECK(nav.SelectAirport(a.record.key.Text()) != 0);
        FUZZ_CHECK(nav.CurrentAirport() == AsStored(a));
    }
    for (const NavAid& aid : set.navAids) {
        if (aidKeys.count(aid.record.key.Raw()) > 1)
            continue; // a look-up finds one of the nav aids that share an identifier
        NavAidRecord record;
        QString name;
        FUZZ_CHECK(nav.FindNavAid(aid.record.key.Text(), &record, &name));
        record.nameOffset = aid.record.nameOffset;
        FUZZ_CHECK(record == aid.record);
        FUZZ_CHECK(name == NavTextAsStored(aid.name, navfile::kTextBufferBytes));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> parts = SplitFuzzInput(FuzzBytes(data, size), '\x1e', 5);
    const OurAirportsOptions options = WriteInput(parts);
    OurAirportsSummary summary;
    const Outcome<NavDataSet> imported = ImportOurAirports(options, &summary);
    if (!imported) {
        FUZZ_CHECK(!imported.error().text.isEmpty());
        return 0;
    }
    const NavDataSet& set = imported.value();
    CheckImported(set, summary);
    const Outcome<QByteArray> image = NavFileWriter::Build(set);
    FUZZ_CHECK(image.ok());
    NavDatabase nav;
    FUZZ_CHECK(nav.LoadNavData(WriteFuzzFile(QStringLiteral("imported.nav"), image.value())).ok());
    FUZZ_CHECK(nav.Description() == options.description);
    CheckLookedUp(nav, set);
    CheckNavLookups(nav, QStringLiteral("a"));
    const NavDataSet readBack = ReadBackNavData(nav);
    FUZZ_CHECK(SameNavData(CheckNavRebuild(readBack), readBack));
    return 0;
}
