#pragma once
// Small navigation data sets for the tests, written as .nav files into a temporary folder.

#include "core/navdata/NavFileWriter.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline IdentKey Key(const QString& ident) {
    return *IdentKey::FromText(ident);
}

// An airport with `runways` runways and `comm` communication lines, positioned by its number.
inline AirportDetails TestAirport(const QString& ident, const QString& name, const QString& city,
                                  int runways = 0, int comm = 0, int number = 1) {
    AirportDetails a;
    a.record.key = Key(ident);
    a.record.latitude = 170000 + number;
    a.record.longitude = -440000 - number; // east
    a.record.elevation = 100 * number;
    a.record.variation = -17.5f;
    a.record.utcOffset = -8;
    for (int i = 0; i < runways; ++i) {
        const int n = i + 1;
        a.runways.append({QString::asprintf("%02d", n), QString::asprintf("%02d", n + 18), 1000 + n,
                          2000 + n, 3000 + n, 4000 + n, 5000 + n, 75 + n});
    }
    for (int i = 0; i < comm; ++i)
        a.comm.append({QStringLiteral("TWR%1").arg(i), QString::asprintf("118.%d", i)});
    a.name = name;
    a.city = city;
    a.record.runwayCount = static_cast<uint16_t>(a.runways.size());
    a.record.commCount = static_cast<uint16_t>(a.comm.size());
    return a;
}

inline NavAid TestNavAid(const QString& ident, int32_t type, const QString& name) {
    NavAid aid;
    aid.record.key = Key(ident);
    aid.record.type = type;
    aid.record.latitude = -120000; // south
    aid.record.longitude = 300000;
    aid.record.variation = 12.5f;
    aid.record.frequency = 116.8f;
    aid.name = name;
    return aid;
}

// OLM twice, as in the world data: the Olmedo NDB near Quito (first in the file) and the
// Olympia VORTAC near Seattle.
inline QVector<NavAid> SharedIdentNavAids() {
    QVector<NavAid> aids;
    const struct {
        const char* name;
        int32_t type, latitude, longitude;
    } olm[] = {{"Olmedo", 5, 588, 281018}, {"Olympia", 2, 169087, 442453}};
    for (const auto& o : olm) {
        NavAid aid = TestNavAid(QStringLiteral("OLM"), o.type, QString::fromLatin1(o.name));
        aid.record.latitude = o.latitude;
        aid.record.longitude = o.longitude;
        aids.append(aid);
    }
    return aids;
}

// An airport at a position (seconds of arc): KSEA near Olympia, SEQM near Olmedo.
inline AirportDetails PlacedAirport(const QString& ident, const QString& name, int32_t latitude,
                                    int32_t longitude) {
    AirportDetails a = TestAirport(ident, name, QString());
    a.record.latitude = latitude;
    a.record.longitude = longitude;
    return a;
}
inline AirportDetails Seattle() {
    return PlacedAirport(QStringLiteral("KSEA"), QStringLiteral("SEATTLE-TACOMA INTL"), 170824,
                         440158);
}
inline AirportDetails Quito() {
    return PlacedAirport(QStringLiteral("SEQM"), QStringLiteral("MARISCAL SUCRE"), -443, 282106);
}

inline QString WriteNavFile(const TempFolder& folder, const QByteArray& bytes,
                            const QString& name = QStringLiteral("test.nav")) {
    const QString path = folder.File(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

inline QByteArray NavBytes(const NavDataSet& data) {
    const Outcome<QByteArray> bytes = NavFileWriter::Build(data);
    EXPECT_TRUE(bytes.ok()) << bytes.error().text.toStdString();
    return bytes.ok() ? bytes.value() : QByteArray();
}
