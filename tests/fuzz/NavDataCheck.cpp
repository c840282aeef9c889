#include "NavDataCheck.h"

#include "FuzzSupport.h"

#include "core/navdata/NavFileFormat.h"
#include "core/navdata/NavFileWriter.h"
#include "core/navdata/NavJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cstring>

namespace {

bool SameFloat(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameRecord(const AirportRecord& a, const AirportRecord& b) {
    return a.key == b.key && a.latitude == b.latitude && a.longitude == b.longitude &&
           a.runwayCount == b.runwayCount && a.commCount == b.commCount &&
           a.elevation == b.elevation && SameFloat(a.variation, b.variation) &&
           a.utcOffset == b.utcOffset;
}

bool SameAirport(const AirportDetails& a, const AirportDetails& b) {
    return SameRecord(a.record, b.record) && a.runways == b.runways && a.comm == b.comm &&
           a.name == b.name && a.city == b.city;
}

bool SameNavAid(const NavAid& a, const NavAid& b) {
    const NavAidRecord& x = a.record;
    const NavAidRecord& y = b.record;
    return x.key == y.key && x.type == y.type && x.latitude == y.latitude &&
           x.longitude == y.longitude && SameFloat(x.variation, y.variation) &&
           SameFloat(x.frequency, y.frequency) && a.name == b.name;
}

void CheckValidJson(const QJsonObject& object) {
    QJsonParseError error;
    QJsonDocument::fromJson(QJsonDocument(object).toJson(), &error);
    FUZZ_CHECK(error.error == QJsonParseError::NoError);
}

void CheckAirport(NavDatabase& data, const AirportIndexEntry& entry, QSet<QString>* found) {
    const QString ident = entry.key.Text();
    AirportRecord summary;
    QString name;
    const bool summarised = data.GetAirportSummary(ident, &summary, &name);
    const int32_t offset = data.SelectAirport(ident);
    const AirportDetails& airport = data.CurrentAirport();
    if (offset == 0) {
        FUZZ_CHECK(airport == AirportDetails());
        return;
    }
    FUZZ_CHECK(offset == data.FindAirportOffset(*IdentKey::FromText(ident)));
    FUZZ_CHECK(summarised); // the details were read, so the summary's part of them can be
    FUZZ_CHECK(airport.record.key.Text() == ident && airport.name == name);
    FUZZ_CHECK(airport.record.runwayCount == airport.runways.size());
    FUZZ_CHECK(airport.record.commCount == airport.comm.size());
    FUZZ_CHECK(airport.runways.size() <= navfile::kMaxRunwaysKept);
    FUZZ_CHECK(data.RecentAirports().value(0) == ident);
    CheckValidJson(AirportJson(airport));
    found->insert(ident);
}

void CheckNavAid(NavDatabase& data, const NavAidRecord& aid) {
    const QString ident = aid.key.Text();
    NavAidRecord record;
    QString name;
    if (!data.FindNavAid(ident, &record, &name)) {
        FUZZ_CHECK(record == NavAidRecord() && name.isEmpty());
        return;
    }
    FUZZ_CHECK(record.key.Text() == ident);
    FUZZ_CHECK(name.size() < navfile::kTextBufferBytes);
    CheckValidJson(NavAidJson(record, name));
}

void CheckSearches(NavDatabase& data, const QString& text, const QSet<QString>& airports) {
    const QVector<SearchRow> all = data.SearchAirports(QString());
    for (const SearchRow& row : all)
        FUZZ_CHECK(row.ident.size() <= 4);
    for (const QString& ident : airports) {
        FUZZ_CHECK(std::any_of(all.begin(), all.end(),
                               [&](const SearchRow& row) { return row.ident == ident; }));
    }
    const QVector<SearchRow> matches = data.SearchAirports(text);
    FUZZ_CHECK(matches.size() <= all.size());
    CheckValidJson(QJsonObject{{"rows", SearchRowsJson(matches, true)}});
    const QVector<SearchRow> aids = data.SearchNavAids(text);
    FUZZ_CHECK(aids.size() <= data.SearchNavAids(QString()).size());
    CheckValidJson(QJsonObject{{"rows", SearchRowsJson(aids, false)}});
}

} // namespace

void CheckNavLookups(NavDatabase& data, const QString& searchText) {
    CheckValidJson(NavInfoJson(data));
    QSet<QString> airports;
    for (const AirportIndexEntry& entry : data.AirportIndex())
        CheckAirport(data, entry, &airports);
    for (const NavAidRecord& aid : data.NavAidTable())
        CheckNavAid(data, aid);
    CheckSearches(data, searchText, airports);
}

NavDataSet ReadBackNavData(NavDatabase& data) {
    NavDataSet set;
    set.description = data.Description();
    set.validityDate = data.ValidityDate();
    QSet<uint32_t> airports;
    for (const AirportIndexEntry& entry : data.AirportIndex()) {
        if (airports.contains(entry.key.Raw()) || data.SelectAirport(entry.key.Text()) == 0 ||
            data.CurrentAirport().record.key != entry.key)
            continue;
        airports.insert(entry.key.Raw());
        set.airports.append(data.CurrentAirport());
    }
    QSet<uint32_t> aids;
    for (const NavAidRecord& entry : data.NavAidTable()) {
        NavAid aid;
        if (aids.contains(entry.key.Raw()) ||
            !data.FindNavAid(entry.key.Text(), &aid.record, &aid.name) ||
            aid.record.key != entry.key)
            continue;
        aids.insert(entry.key.Raw());
        set.navAids.append(aid);
    }
    std::stable_sort(set.airports.begin(), set.airports.end(),
                     [](const auto& a, const auto& b) { return a.record.key < b.record.key; });
    std::stable_sort(set.navAids.begin(), set.navAids.end(),
                     [](const auto& a, const auto& b) { return a.record.key < b.record.key; });
    return set;
}

bool SameNavData(const NavDataSet& a, const NavDataSet& b) {
    if (a.description != b.description || a.validityDate != b.validityDate ||
        a.airports.size() != b.airports.size() || a.navAids.size() != b.navAids.size())
        return false;
    for (qsizetype i = 0; i < a.airports.size(); ++i) {
        if (!SameAirport(a.airports[i], b.airports[i]))
            return false;
    }
    for (qsizetype i = 0; i < a.navAids.size(); ++i) {
        if (!SameNavAid(a.navAids[i], b.navAids[i]))
            return false;
    }
    return true;
}

NavDataSet CheckNavRebuild(const NavDataSet& set) {
    const Outcome<QByteArray> image = NavFileWriter::Build(set);
    if (!image)
        return set;
    NavDatabase data;
    FUZZ_CHECK(data.LoadNavData(WriteFuzzFile(QStringLiteral("rebuilt.nav"), image.value())).ok());
    FUZZ_CHECK(data.AirportCount() == set.airports.size());
    FUZZ_CHECK(data.NavAidCount() == set.navAids.size());
    const NavDataSet back = ReadBackNavData(data);
    QSet<uint32_t> aidKeys;
    for (const NavAid& aid : set.navAids)
        aidKeys.insert(aid.record.key.Raw());
    if (aidKeys.size() != set.navAids.size())
        return back; // a look-up finds one of the nav aids that share an identifier
    const Outcome<QByteArray> again = NavFileWriter::Build(back);
    FUZZ_CHECK(again.ok() && again.value() == image.value());
    return back;
}

QString NavTextAsStored(const QString& text, int bufferBytes) {
    QByteArray bytes = ToNavText(text).left(bufferBytes - 1);
    return FromNavText(CountedText(bytes, bufferBytes));
}
