#pragma once
// The records of a navigation data (.nav) file as the program holds them: the airport index, the
// nav aid table, an airport's details, and the rows of a text search.
// Positions are signed seconds of arc (latitude positive north, longitude positive west);
// magnetic variation is in degrees, positive west.

#include "core/navdata/IdentKey.h"

#include <QDate>
#include <QString>
#include <QVector>

#include <cstdint>

// One entry of the airport index: the key and the file offset of the airport's body.
struct AirportIndexEntry {
    IdentKey key;
    int32_t offset = 0;
};
static_assert(sizeof(AirportIndexEntry) == 8, "the index is held as the file stores it");

// Nav aid types as stored; any other value is shown as its number.
enum NavAidType : int32_t {
    kNavAidVor = 1,
    kNavAidVortac = 2,
    kNavAidTacan = 3,
    kNavAidVorDme = 4,
    kNavAidNdb = 5,
    kNavAidNdbDme = 7,
    kNavAidDme = 9,
};

struct NavAidRecord {
    IdentKey key;
    int32_t type = 0;
    int32_t latitude = 0;
    int32_t longitude = 0;
    float variation = 0.0f;
    float frequency = 0.0f; // MHz for VHF aids, kHz for NDBs
    int32_t nameOffset = 0; // file offset of the counted name; 0 = no name

    bool operator==(const NavAidRecord&) const = default;
};
static_assert(sizeof(NavAidRecord) == 28, "the nav aid table is held as the file stores it");

struct AirportRecord {
    IdentKey key;
    int32_t latitude = 0;
    int32_t longitude = 0;
    uint16_t runwayCount = 0;
    uint16_t commCount = 0;
    int32_t elevation = 0; // feet
    float variation = 0.0f;
    int32_t utcOffset = 0; // whole hours, local = UTC + offset; 0 = not given

    bool operator==(const AirportRecord&) const = default;
};

struct RunwayRecord {
    QString end1; // designators, at most 3 characters
    QString end2;
    int32_t latitude1 = 0; // 0 = no position
    int32_t latitude2 = 0;
    int32_t longitude1 = 0;
    int32_t longitude2 = 0;
    int32_t length = 0; // feet
    int32_t width = 0;

    bool operator==(const RunwayRecord&) const = default;
};

struct CommEntry {
    QString label;
    QString frequency;

    bool operator==(const CommEntry&) const = default;
};

// An airport in full. Read from a file, at most kMaxRunwaysKept runways are kept and the
// record's counts equal the sizes of the two lists.
struct AirportDetails {
    AirportRecord record;
    QVector<RunwayRecord> runways;
    QVector<CommEntry> comm;
    QString name;
    QString city;

    bool operator==(const AirportDetails&) const = default;
};

// A nav aid with its name (what a .nav file is written from).
struct NavAid {
    NavAidRecord record;
    QString name;
};

// One row of a search result list: identifier, name, and the city (airports) or type (nav aids).
struct SearchRow {
    QString ident;
    QString name;
    QString detail;

    bool operator==(const SearchRow&) const = default;
};

// "VOR", "VORTAC", "TACAN", "VOR/DME", "NDB", "NDB/DME", "DME", or the number for other types.
QString NavAidTypeText(int32_t type);

// The validity date packed as month in bits 0-7, day in bits 8-15, year in bits 16-31.
// 0 (no date) and values that are no calendar date give an invalid QDate.
QDate UnpackValidityDate(uint32_t packed);
// 0 for an invalid date.
uint32_t PackValidityDate(const QDate& date);
