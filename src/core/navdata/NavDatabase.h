#pragma once
// The navigation data set of the document: one open .nav file with its airport index and nav aid
// table in memory (airport bodies and nav aid names stay in the file and are read on demand),
// the current airport, and the recent airport and nav aid lists. The two tables are read on the
// first look-up, search or table access rather than at load, which keeps them out of the
// program's start; the load checks that they fit the file.
//
// Look-ups report "not found" (false, 0, no rows) for unknown identifiers, damaged records and
// when no file is loaded; after a failed load the data set is empty.

#include "core/navdata/AirportSearchIndex.h"
#include "core/navdata/NavFileWindow.h"
#include "core/navdata/NavRecords.h"
#include "core/navdata/NearestPointIndex.h"
#include "core/navdata/RecentList.h"

#include "core/common/Outcome.h"
#include "core/common/settings/SettingsSchema.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class SettingsStore;
struct AirportText;

// An airport found near a position, with its distance.
struct NearbyAirport {
    QString ident;
    AirportRecord record;
    QString name;
    double nauticalMiles = 0.0; // great-circle distance, unrounded
};

class NavDatabase {
public:
    // Reads the recent lists ("Airports", "Nav") from `settings`, which receives them again after
    // every push. Without a store the lists live in memory only. The store is not owned.
    explicit NavDatabase(SettingsStore* settings = nullptr);

    // Closes the open file and loads another. Failures: "Error:\nUnable to open Airport file.\n"
    // and the system's reason; "Unsupported Airport file." for a version other than 2; the same
    // open message with "The file is damaged." when the tables do not fit the file.
    Status LoadNavData(const QString& path);

    bool IsLoaded() const { return window_.IsOpen(); }
    const QString& Path() const { return path_; }
    const QString& Description() const { return description_; }
    uint32_t ValidityDate() const { return validityDate_; }
    int AirportCount() const { return layout_.airportCount; }
    int NavAidCount() const { return layout_.navAidCount; }
    const std::vector<AirportIndexEntry>& AirportIndex();
    const std::vector<NavAidRecord>& NavAidTable();

    // Binary search of the airport index: the airport's file offset, or 0 when absent.
    int32_t FindAirportOffset(IdentKey key);

    // The record and name of an airport; changes neither the current airport nor the recent list.
    bool GetAirportSummary(QStringView ident, AirportRecord* record, QString* name);
    // Loads the airport into CurrentAirport() and pushes the identifier (as given) onto the recent
    // airports. Returns the airport's file offset, or 0 (current airport cleared) when not found.
    int32_t SelectAirport(const QString& ident);
    const AirportDetails& CurrentAirport() const { return current_; }
    void ClearCurrentAirport() { current_ = AirportDetails(); }

    // The record and name of a nav aid; on success pushes the identifier onto the recent nav aids.
    bool FindNavAid(const QString& ident, NavAidRecord* record, QString* name);
    // Several nav aids of the world share an identifier (OLM is a VORTAC in the United States and
    // an NDB in Ecuador). The positions in NavAidTable() of every nav aid with this identifier.
    std::vector<int> NavAidPositions(QStringView ident);
    // The record and name of the nav aid at a position of NavAidTable() as FindNavAid gives them,
    // when its identifier is `ident` (a position kept from another file fails).
    bool NavAidAt(int position, const QString& ident, NavAidRecord* record, QString* name);
    // The same for the airport at a position of AirportIndex(), as GetAirportSummary gives it.
    bool AirportSummaryAt(int position, QStringView ident, AirportRecord* record, QString* name);

    // Every airport whose name or city contains the text, ignoring letter case, and every nav aid
    // whose name does. Rows are in list order: the reverse of file order, as each match is
    // inserted at the top. Airport rows hold the city, nav aid rows the type text.
    QVector<SearchRow> SearchAirports(const QString& text);
    // The airports SearchAirports finds, in the same order, as positions in AirportIndex(); the
    // first search after a load builds the search index. AirportRow formats one (an empty row
    // when the record cannot be read), so a list formats only the rows it shows.
    std::vector<int> FindAirports(const QString& text);
    SearchRow AirportRow(int position);
    // The search index's size in bytes; 0 before the first search.
    qsizetype SearchIndexBytes() const { return searchIndex_ ? searchIndex_->Bytes() : 0; }
    QVector<SearchRow> SearchNavAids(const QString& text);

    // The airport nearest to a position (degrees, latitude positive north, longitude positive
    // west) within maxNauticalMiles; nothing when none is that near, no file is loaded or the
    // record cannot be read. The first call after a load reads every airport's position into an
    // index (about 32 bytes an airport); each call then scans only nearby latitudes.
    std::optional<NearbyAirport> NearestAirport(double latitude, double longitude,
                                                double maxNauticalMiles);
    // The nav aids SearchNavAids finds, in the same order, as positions in NavAidTable();
    // NavAidRow formats one (an empty row when its name cannot be read).
    std::vector<int> FindNavAids(const QString& text);
    SearchRow NavAidRow(int position);

    const QStringList& RecentAirports() const { return recentAirports_.Entries(); }
    const QStringList& RecentNavAids() const { return recentNavAids_.Entries(); }

private:
    // Where the tables lie in the open file, from its header.
    struct TableLayout {
        qint64 indexStart = 0;
        int airportCount = 0;
        int navAidCount = 0;
    };

    void Clear();
    Status ReadHeader(const QString& damaged);
    void ReadTablesOnce();
    // The name of a nav aid record; false when it lies outside the file.
    bool ReadNavAidName(const NavAidRecord& aid, QString* name);
    bool ReadAirportSummary(IdentKey key, int32_t offset, AirportRecord* record, QString* name);
    // Reads every airport's record and texts (the city only when withCity) in index order and
    // hands each readable one, with its index position, to `use`.
    void
    ScanAirports(bool withCity,
                 const std::function<void(int, const AirportRecord&, const AirportText&)>& use);
    const AirportSearchIndex& SearchIndex();
    const NearestPointIndex& PositionIndex();

    SettingsStore* settings_;
    NavFileWindow window_;
    QString path_;
    QString description_;
    uint32_t validityDate_ = 0;
    TableLayout layout_;
    bool tablesRead_ = false;
    std::vector<AirportIndexEntry> index_;
    std::vector<NavAidRecord> navAids_;
    std::unique_ptr<AirportSearchIndex> searchIndex_;  // built on the first search
    std::unique_ptr<NearestPointIndex> positionIndex_; // built on the first nearest search
    AirportDetails current_;
    RecentList recentAirports_{setting::kRecentAirports};
    RecentList recentNavAids_{setting::kRecentNavAids};
};
