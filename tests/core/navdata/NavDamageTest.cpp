// Damaged .nav files: every count, offset and length is checked before use, so a damaged file
// is refused or its damaged records read as not found; nothing is read outside the file.
#include "NavTestData.h"

#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavFileFormat.h"

#include <QRandomGenerator>

namespace {

const QString kDamaged =
    QStringLiteral("Error:\nUnable to open Airport file.\nThe file is damaged.");

NavDataSet Sample() {
    NavDataSet data;
    data.description = QStringLiteral("Sample");
    data.airports = {TestAirport("KAAA", "ALPHA", "ONE", 2, 1, 1),
                     TestAirport("KBB", "BRAVO", "TWO", 0, 0, 2),
                     TestAirport("KCCC", "CHARLIE", "THREE", 11, 3, 3)};
    data.navAids = {TestNavAid("AAA", kNavAidVor, "ALPHA VOR"), TestNavAid("B", kNavAidNdb, "")};
    return data;
}

void PutU32(QByteArray& bytes, qsizetype at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutU16(QByteArray& bytes, qsizetype at, uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

qsizetype IndexStart(const QByteArray& bytes) {
    ByteReader in(bytes);
    return navfile::kHeaderBytes + ReadNavFileHeader(in).descriptionBytes;
}

// Runs every look-up and search. Whatever is found has the key it was looked up by and, unless
// bytes inside the texts may have changed, the name it was written with.
void ExerciseAll(NavDatabase& db, const NavDataSet& data, bool textsIntact = true) {
    for (const AirportDetails& a : data.airports) {
        const QString ident = a.record.key.Text();
        AirportRecord record;
        QString name;
        if (db.GetAirportSummary(ident, &record, &name)) {
            EXPECT_EQ(record.key, a.record.key);
            EXPECT_TRUE(!textsIntact || name == a.name);
        }
        if (db.SelectAirport(ident) != 0) {
            EXPECT_EQ(db.CurrentAirport().record.key, a.record.key);
            EXPECT_LE(db.CurrentAirport().runways.size(), 10);
        }
    }
    for (const NavAid& aid : data.navAids) {
        NavAidRecord record;
        QString name;
        if (db.FindNavAid(aid.record.key.Text(), &record, &name)) {
            EXPECT_EQ(record.key, aid.record.key);
        }
    }
    for (const SearchRow& row : db.SearchAirports(QString()))
        EXPECT_TRUE(IdentKey::FromText(row.ident).has_value());
    db.SearchNavAids(QString());
}

TEST(NavDamage, HeaderFields) {
    struct Case {
        const char* what;
        qsizetype at;
        uint32_t value;
        int width;
        const char* message; // nullptr: loads
    } cases[] = {
        {"version 1", 4, 1, 2, "Unsupported Airport file."},
        {"huge airport count", 12, 0x7FFFFFFF, 4, nullptr},
        {"negative airport count", 12, 0xFFFFFFFF, 4, nullptr},
        {"huge nav aid count", 16, 0x10000000, 4, nullptr},
        {"negative nav aid count", 16, 0x80000000, 4, nullptr},
        {"description past the end", 20, 0xFFFF, 2, nullptr},
        {"fewer airports", 12, 1, 4, "ok"},
        {"no nav aids", 16, 0, 4, "ok"},
        {"description one byte short", 20, 6, 2, "ok"}, // tables read one byte early
    };
    TempFolder folder;
    for (const Case& c : cases) {
        QByteArray bytes = NavBytes(Sample());
        if (c.width == 2)
            PutU16(bytes, c.at, static_cast<uint16_t>(c.value));
        else
            PutU32(bytes, c.at, c.value);
        NavDatabase db;
        const Status loaded = db.LoadNavData(WriteNavFile(folder, bytes));
        const QString expected = c.message == nullptr ? kDamaged : QString::fromLatin1(c.message);
        if (expected == QLatin1String("ok")) {
            EXPECT_TRUE(loaded.ok()) << c.what;
        } else {
            EXPECT_EQ(loaded.error().text, expected) << c.what;
        }
        ExerciseAll(db, Sample());
    }
}

TEST(NavDamage, EveryTruncationLoadsOrFailsCleanly) {
    TempFolder folder;
    const QByteArray bytes = NavBytes(Sample());
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        NavDatabase db;
        const Status loaded = db.LoadNavData(WriteNavFile(folder, bytes.first(size)));
        if (size < navfile::kHeaderBytes) {
            EXPECT_EQ(loaded.error().text, "Unsupported Airport file.") << size;
        }
        ExerciseAll(db, Sample());
    }
}

TEST(NavDamage, BadIndexOffsetsReadAsNotFound) {
    TempFolder folder;
    const QByteArray good = NavBytes(Sample());
    const qsizetype entry = IndexStart(good) + 4; // offset of KAAA, the first entry
    const uint32_t otherBody = ByteReader(good.mid(entry + 8 + 4, 4)).U32(); // KBB's body
    for (uint32_t offset : {0u, 1u, 0xFFFFFFFBu, static_cast<uint32_t>(good.size()),
                            static_cast<uint32_t>(good.size() - 3), 0x7FFFFFFFu, otherBody}) {
        QByteArray bytes = good;
        PutU32(bytes, entry, offset);
        NavDatabase db;
        ASSERT_TRUE(db.LoadNavData(WriteNavFile(folder, bytes)));
        AirportRecord record;
        QString name;
        EXPECT_FALSE(db.GetAirportSummary(u"KAAA", &record, &name)) << offset;
        EXPECT_EQ(db.SelectAirport("KAAA"), 0) << offset;
        EXPECT_TRUE(db.GetAirportSummary(u"KCCC", &record, &name)); // the others still work
        EXPECT_EQ(name, "CHARLIE");
        EXPECT_EQ(db.SearchAirports("ALPHA").size(), 0);
        EXPECT_EQ(db.SearchAirports("").size(), 2);
    }
}

TEST(NavDamage, BadNavAidNameOffsetsReadAsNotFound) {
    TempFolder folder;
    const QByteArray good = NavBytes(Sample());
    const qsizetype nameField = IndexStart(good) + 3 * navfile::kIndexEntryBytes + 24; // "AAA"
    for (uint32_t offset : {static_cast<uint32_t>(good.size()),
                            static_cast<uint32_t>(good.size() - 1), 0x80000000u}) {
        QByteArray bytes = good;
        PutU32(bytes, nameField, offset);
        NavDatabase db;
        ASSERT_TRUE(db.LoadNavData(WriteNavFile(folder, bytes)));
        NavAidRecord record;
        QString name;
        EXPECT_FALSE(db.FindNavAid("AAA", &record, &name)) << offset;
        EXPECT_TRUE(db.RecentNavAids().isEmpty());
        EXPECT_TRUE(db.FindNavAid("B", &record, &name)); // no name at all is no damage
        EXPECT_EQ(db.SearchNavAids("").size(), 1);
    }
}

// A file of one airport "KXYZ" with the given body bytes (after the 28-byte record).
QByteArray OneAirportFile(uint16_t runways, uint16_t comm, const QByteArray& rest,
                          const QByteArray& description = QByteArray(1, '\0')) {
    ByteWriter out;
    NavFileHeader header;
    header.airportCount = 1;
    header.descriptionBytes = static_cast<uint16_t>(description.size());
    WriteNavFileHeader(out, header);
    out.Bytes(description);
    const int32_t body = static_cast<int32_t>(out.Size() + navfile::kIndexEntryBytes);
    WriteAirportIndexEntry(out, {Key("KXYZ"), body});
    AirportRecord record;
    record.key = Key("KXYZ");
    record.runwayCount = runways;
    record.commCount = comm;
    WriteAirportRecord(out, record);
    out.Bytes(rest);
    return out.Data();
}

QByteArray Counted(const QByteArray& bytes) {
    ByteWriter out;
    out.U16(static_cast<uint16_t>(bytes.size()));
    out.Bytes(bytes);
    return out.Data();
}

TEST(NavDamage, CountedStrings) {
    const QByteArray longName(300, 'N');
    const QByteArray longLabel(100, 'L');
    struct Case {
        const char* what;
        QByteArray file;
        bool found = false;
        QString name = {}, city = {}, label = {}, description = {};
    } cases[] = {
        {"no zero", OneAirportFile(0, 0, Counted("ABC") + Counted("X\0"_qba)), true, "ABC", "X"},
        {"zero inside", OneAirportFile(0, 0, Counted("AB\0CD"_qba) + Counted("")), true, "AB", ""},
        {"longer than the buffer",
         OneAirportFile(0, 0, Counted(longName + '\0') + Counted("CITY\0"_qba)), true,
         QString(255, 'N'), "CITY"},
        {"long comm label",
         OneAirportFile(0, 1,
                        Counted(longLabel + '\0') + Counted("118.3\0"_qba) + Counted("N\0"_qba) +
                            Counted("C\0"_qba)),
         true, "N", "C", QString(79, 'L')},
        {"name past the end", OneAirportFile(0, 0, "\x10\x00AB"_qba), false},
        {"city missing", OneAirportFile(0, 0, Counted("N\0"_qba)), false},
        {"huge runway count", OneAirportFile(0xFFFF, 0, Counted("N\0"_qba) + Counted("")), false},
        {"huge comm count", OneAirportFile(0, 0xFFFF, Counted("N\0"_qba) + Counted("")), false},
        {"long description",
         OneAirportFile(0, 0, Counted("N\0"_qba) + Counted("C\0"_qba), QByteArray(300, 'D')),
         true,
         "N",
         "C",
         {},
         QString(255, 'D')},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        NavDatabase db;
        ASSERT_TRUE(db.LoadNavData(WriteNavFile(folder, c.file))) << c.what;
        EXPECT_EQ(db.Description(), c.description) << c.what;
        EXPECT_EQ(db.SelectAirport("KXYZ") != 0, c.found) << c.what;
        EXPECT_EQ(db.CurrentAirport().name, c.name) << c.what;
        EXPECT_EQ(db.CurrentAirport().city, c.city) << c.what;
        if (!c.label.isEmpty()) {
            EXPECT_EQ(db.CurrentAirport().comm.value(0).label, c.label) << c.what;
        }
        EXPECT_EQ(db.SearchAirports("").size(), c.found ? 1 : 0) << c.what;
    }
}

TEST(NavDamage, RandomCorruptionNeverReadsOutside) {
    TempFolder folder;
    const QByteArray good = NavBytes(Sample());
    QRandomGenerator random(20061231);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = good;
        const int flips = 1 + random.bounded(8);
        for (int i = 0; i < flips; ++i)
            bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
        NavDatabase db;
        (void)db.LoadNavData(WriteNavFile(folder, bytes)); // refused or not, queries must hold
        ExerciseAll(db, Sample(), false);
    }
}

} // namespace
