#include "core/navdata/NavDatabase.h"

#include "core/navdata/AirportBodyReader.h"
#include "core/navdata/NavFileFormat.h"
#include "core/navdata/NavTextMatcher.h"

#include "core/common/Constants.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/settings/SettingsStore.h"

#include <algorithm>

namespace {

constexpr qint64 kLookupWindowBytes = 4096;
constexpr qint64 kSearchWindowBytes = 256 * 1024;
constexpr int kMaxReasonChars = 1024;

QString OpenFailureText() {
    return QStringLiteral("Error:\nUnable to open Airport file.\n");
}

// Classic binary search over entries 0 to count - 1 by the byte-swapped keys; -1 when absent.
template <typename Entry> qint64 BinarySearch(const std::vector<Entry>& entries, IdentKey key) {
    qint64 low = 0;
    qint64 high = static_cast<qint64>(entries.size()) - 1;
    while (low <= high) {
        const qint64 mid = (low + high) / 2;
        const IdentKey found = entries[static_cast<size_t>(mid)].key;
        if (key == found)
            return mid;
        if (key < found)
            high = mid - 1;
        else
            low = mid + 1;
    }
    return -1;
}

template <typename Entry, typename ReadEntry>
std::vector<Entry> ReadTable(const QByteArray& bytes, int count, ReadEntry read) {
    std::vector<Entry> entries;
    entries.reserve(static_cast<size_t>(count));
    ByteReader in(bytes);
    for (int i = 0; i < count; ++i)
        entries.push_back(read(in));
    return entries;
}

} // namespace

NavDatabase::NavDatabase(SettingsStore* settings) : settings_(settings) {
    if (settings_ != nullptr) {
        recentAirports_.Load(*settings_);
        recentNavAids_.Load(*settings_);
    }
}

void NavDatabase::Clear() {
    window_.Close();
    description_.clear();
    validityDate_ = 0;
    layout_ = {};
    tablesRead_ = false;
    index_ = {};
    navAids_ = {};
    searchIndex_.reset();
    positionIndex_.reset();
}

Status NavDatabase::LoadNavData(const QString& path) {
    Clear();
    path_ = path;
    if (const Status opened = window_.Open(path); !opened)
        return Status::Fail(OpenFailureText() + opened.error().text.left(kMaxReasonChars),
                            MessageIcon::Error);
    Status status = ReadHeader(OpenFailureText() + QStringLiteral("The file is damaged."));
    if (!status)
        Clear();
    return status;
}

Status NavDatabase::ReadHeader(const QString& damaged) {
    ByteReader head(window_.ReadAt(0, navfile::kHeaderBytes));
    const NavFileHeader header = ReadNavFileHeader(head);
    if (!head.Ok() || header.version != navfile::kVersion)
        return Status::Fail(QStringLiteral("Unsupported Airport file."), MessageIcon::None);
    if (header.airportCount < 0 || header.navAidCount < 0)
        return Status::Fail(damaged);
    const qint64 indexStart = navfile::kHeaderBytes + qint64{header.descriptionBytes};
    const qint64 indexBytes = qint64{header.airportCount} * navfile::kIndexEntryBytes;
    const qint64 tableBytes = qint64{header.navAidCount} * navfile::kNavAidBytes;
    if (indexStart + indexBytes + tableBytes > window_.Size())
        return Status::Fail(damaged);

    const QByteArray description = window_.ReadAt(navfile::kHeaderBytes, header.descriptionBytes);
    if (description.size() != header.descriptionBytes)
        return Status::Fail(damaged);
    description_ = FromNavText(CountedText(description, navfile::kTextBufferBytes));
    validityDate_ = header.validityDate;
    layout_ = {indexStart, header.airportCount, header.navAidCount};
    return {};
}

void NavDatabase::ReadTablesOnce() {
    if (tablesRead_ || !window_.IsOpen())
        return;
    tablesRead_ = true;
    const qint64 indexBytes = qint64{layout_.airportCount} * navfile::kIndexEntryBytes;
    const qint64 tableBytes = qint64{layout_.navAidCount} * navfile::kNavAidBytes;
    const QByteArray index = window_.ReadAt(layout_.indexStart, indexBytes);
    const QByteArray table = window_.ReadAt(layout_.indexStart + indexBytes, tableBytes);
    if (index.size() != indexBytes || table.size() != tableBytes) {
        // The load found the tables in the file; it has been cut short or become unreadable
        // since. Nothing is found in it then.
        qWarning("The tables of %s could not be read.", qUtf8Printable(path_));
        return;
    }
    index_ = ReadTable<AirportIndexEntry>(index, layout_.airportCount, ReadAirportIndexEntry);
    navAids_ = ReadTable<NavAidRecord>(table, layout_.navAidCount, ReadNavAidRecord);
}

const std::vector<AirportIndexEntry>& NavDatabase::AirportIndex() {
    ReadTablesOnce();
    return index_;
}

const std::vector<NavAidRecord>& NavDatabase::NavAidTable() {
    ReadTablesOnce();
    return navAids_;
}

int32_t NavDatabase::FindAirportOffset(IdentKey key) {
    const qint64 i = BinarySearch(AirportIndex(), key);
    return i < 0 ? 0 : index_[static_cast<size_t>(i)].offset;
}

bool NavDatabase::GetAirportSummary(QStringView ident, AirportRecord* record, QString* name) {
    *record = AirportRecord();
    name->clear();
    const std::optional<IdentKey> key = IdentKey::FromText(ident);
    return key && ReadAirportSummary(*key, FindAirportOffset(*key), record, name);
}

bool NavDatabase::AirportSummaryAt(int position, QStringView ident, AirportRecord* record,
                                   QString* name) {
    *record = AirportRecord();
    name->clear();
    const std::optional<IdentKey> key = IdentKey::FromText(ident);
    const std::vector<AirportIndexEntry>& index = AirportIndex();
    if (!key || position < 0 || static_cast<size_t>(position) >= index.size() ||
        index[static_cast<size_t>(position)].key != *key)
        return false;
    return ReadAirportSummary(*key, index[static_cast<size_t>(position)].offset, record, name);
}

bool NavDatabase::ReadAirportSummary(IdentKey key, int32_t offset, AirportRecord* record,
                                     QString* name) {
    if (offset <= 0)
        return false;
    const ParseStatus status = window_.ParseAt(offset, kLookupWindowBytes, [&](ByteReader& in) {
        AirportText text;
        const ParseStatus s = ReadAirportText(in, key, false, record, &text);
        *name = FromNavText(text.name);
        return s;
    });
    if (status == ParseStatus::Ok)
        return true;
    *record = AirportRecord();
    name->clear();
    return false;
}

int32_t NavDatabase::SelectAirport(const QString& ident) {
    current_ = AirportDetails();
    const std::optional<IdentKey> key = IdentKey::FromText(ident);
    const int32_t offset = key ? FindAirportOffset(*key) : 0;
    if (offset <= 0)
        return 0;
    AirportDetails details;
    const ParseStatus status = window_.ParseAt(offset, kLookupWindowBytes, [&](ByteReader& in) {
        return ReadAirportDetails(in, *key, &details);
    });
    if (status != ParseStatus::Ok)
        return 0;
    current_ = std::move(details);
    recentAirports_.Push(ident, settings_);
    return offset;
}

bool NavDatabase::FindNavAid(const QString& ident, NavAidRecord* record, QString* name) {
    const std::optional<IdentKey> key = IdentKey::FromText(ident);
    const qint64 found = key ? BinarySearch(NavAidTable(), *key) : -1;
    return NavAidAt(static_cast<int>(found), ident, record, name);
}

std::vector<int> NavDatabase::NavAidPositions(QStringView ident) {
    const std::optional<IdentKey> key = IdentKey::FromText(ident);
    const std::vector<NavAidRecord>& table = NavAidTable();
    const qint64 found = key ? BinarySearch(table, *key) : -1;
    if (found < 0)
        return {};
    // The table is sorted by identifier, so the nav aids sharing one lie side by side.
    qint64 first = found;
    while (first > 0 && table[static_cast<size_t>(first - 1)].key == *key)
        --first;
    std::vector<int> positions;
    for (qint64 i = first;
         i < static_cast<qint64>(table.size()) && table[static_cast<size_t>(i)].key == *key; ++i)
        positions.push_back(static_cast<int>(i));
    return positions;
}

bool NavDatabase::NavAidAt(int position, const QString& ident, NavAidRecord* record,
                           QString* name) {
    *record = NavAidRecord();
    name->clear();
    const std::optional<IdentKey> key = IdentKey::FromText(ident);
    const std::vector<NavAidRecord>& table = NavAidTable();
    if (!key || position < 0 || static_cast<size_t>(position) >= table.size())
        return false;
    const NavAidRecord& aid = table[static_cast<size_t>(position)];
    if (aid.key != *key || !ReadNavAidName(aid, name))
        return false;
    *record = aid;
    recentNavAids_.Push(ident, settings_);
    return true;
}

bool NavDatabase::ReadNavAidName(const NavAidRecord& aid, QString* name) {
    if (aid.nameOffset == 0)
        return true;
    const ParseStatus status =
        window_.ParseAt(aid.nameOffset, kLookupWindowBytes, [&](ByteReader& in) {
            *name = ReadCountedString(in, navfile::kTextBufferBytes);
            return in.Ok() ? ParseStatus::Ok : ParseStatus::OutOfData;
        });
    if (status == ParseStatus::Ok)
        return true;
    name->clear();
    return false; // the name lies outside the file: a damaged record
}

void NavDatabase::ScanAirports(
    bool withCity, const std::function<void(int, const AirportRecord&, const AirportText&)>& use) {
    const std::vector<AirportIndexEntry>& index = AirportIndex();
    for (size_t i = 0; i < index.size(); ++i) {
        const AirportIndexEntry& entry = index[i];
        window_.ParseAt(entry.offset, kSearchWindowBytes, [&](ByteReader& in) {
            AirportRecord record;
            AirportText found;
            const ParseStatus status = ReadAirportText(in, entry.key, withCity, &record, &found);
            if (status == ParseStatus::Ok) // a damaged record is never found
                use(static_cast<int>(i), record, found);
            return status;
        });
    }
    window_.ReleaseWindow();
}

const AirportSearchIndex& NavDatabase::SearchIndex() {
    if (searchIndex_)
        return *searchIndex_;
    searchIndex_ = std::make_unique<AirportSearchIndex>();
    ScanAirports(true, [&](int position, const AirportRecord&, const AirportText& text) {
        searchIndex_->Add(position, text.name, text.city);
    });
    return *searchIndex_;
}

const NearestPointIndex& NavDatabase::PositionIndex() {
    if (positionIndex_)
        return *positionIndex_;
    std::vector<NearestPointIndex::Point> points;
    points.reserve(AirportIndex().size());
    ScanAirports(false, [&](int position, const AirportRecord& record, const AirportText&) {
        points.push_back({record.latitude / 3600.0, record.longitude / 3600.0, position});
    });
    positionIndex_ = std::make_unique<NearestPointIndex>(points);
    return *positionIndex_;
}

std::optional<NearbyAirport> NavDatabase::NearestAirport(double latitude, double longitude,
                                                         double maxNauticalMiles) {
    if (!IsLoaded())
        return std::nullopt;
    const std::optional<NearestPointIndex::Found> found =
        PositionIndex().Nearest(latitude, longitude, maxNauticalMiles);
    if (!found)
        return std::nullopt;
    NearbyAirport airport;
    airport.ident = AirportIndex()[static_cast<size_t>(found->id)].key.Text();
    airport.nauticalMiles = found->angle * units::kNauticalMilesPerRadian;
    if (!AirportSummaryAt(found->id, airport.ident, &airport.record, &airport.name))
        return std::nullopt;
    return airport;
}

std::vector<int> NavDatabase::FindAirports(const QString& text) {
    std::vector<int> found = SearchIndex().Find(text);
    std::reverse(found.begin(), found.end()); // each match goes to the top of the list
    return found;
}

SearchRow NavDatabase::AirportRow(int position) {
    const std::vector<AirportIndexEntry>& index = AirportIndex();
    if (position < 0 || static_cast<size_t>(position) >= index.size())
        return {};
    const AirportIndexEntry& entry = index[static_cast<size_t>(position)];
    SearchRow row;
    window_.ParseAt(entry.offset, kLookupWindowBytes, [&](ByteReader& in) {
        AirportRecord record;
        AirportText found;
        const ParseStatus status = ReadAirportText(in, entry.key, true, &record, &found);
        if (status == ParseStatus::Ok)
            row = {entry.key.Text(), FromNavText(found.name), FromNavText(found.city)};
        return status;
    });
    return row;
}

QVector<SearchRow> NavDatabase::SearchAirports(const QString& text) {
    const std::vector<int> found = FindAirports(text);
    QVector<SearchRow> rows;
    rows.reserve(static_cast<qsizetype>(found.size()));
    for (const int position : found)
        rows.append(AirportRow(position));
    return rows;
}

QVector<SearchRow> NavDatabase::SearchNavAids(const QString& text) {
    QVector<SearchRow> rows;
    for (const int position : FindNavAids(text))
        rows.append(NavAidRow(position));
    return rows;
}

std::vector<int> NavDatabase::FindNavAids(const QString& text) {
    const NavTextMatcher matcher(text);
    const std::vector<NavAidRecord>& table = NavAidTable();
    std::vector<int> found;
    for (size_t i = 0; i < table.size(); ++i) {
        const NavAidRecord& aid = table[i];
        bool matched = aid.nameOffset == 0 && matcher.Matches({});
        if (aid.nameOffset != 0)
            window_.ParseAt(aid.nameOffset, kSearchWindowBytes, [&](ByteReader& in) {
                const QByteArrayView bytes = ReadCountedBytes(in, navfile::kTextBufferBytes);
                matched = in.Ok() && matcher.Matches(bytes);
                return in.Ok() ? ParseStatus::Ok : ParseStatus::OutOfData;
            });
        if (matched)
            found.push_back(static_cast<int>(i));
    }
    window_.ReleaseWindow();
    std::reverse(found.begin(), found.end()); // each match goes to the top of the list
    return found;
}

SearchRow NavDatabase::NavAidRow(int position) {
    const std::vector<NavAidRecord>& table = NavAidTable();
    if (position < 0 || static_cast<size_t>(position) >= table.size())
        return {};
    const NavAidRecord& aid = table[static_cast<size_t>(position)];
    QString name;
    if (!ReadNavAidName(aid, &name))
        return {};
    return {aid.key.Text(), name, NavAidTypeText(aid.type)};
}
