#include "core/navdata/OurAirportsCsv.h"

#include "core/common/io/FileIo.h"

#include <QDir>

#include <algorithm>
#include <cmath>

Status OurAirportsCsv::Open(const QString& folder, const char* file, const QStringList& required) {
    const QString name = QString::fromLatin1(file);
    const Outcome<QByteArray> bytes = ReadWholeFile(
        QDir(folder).filePath(name), QStringLiteral("Error:\nUnable to read %1.\n").arg(name),
        kMaxImportFileBytes);
    if (!bytes)
        return Status(bytes.error());
    reader_ = CsvReader(bytes.value());
    reader_.Next(&header_);
    for (const QString& column : required) {
        if (!header_.contains(column))
            return Status::Fail(
                QStringLiteral("Error:\n%1 has no column \"%2\".").arg(name, column));
    }
    return {};
}

int OurAirportsCsv::Col(const char* name) const {
    return CsvReader::Column(header_, QString::fromLatin1(name));
}

int32_t OurAirportsCsv::SecondsOfArc(double degrees) {
    return static_cast<int32_t>(std::lround(std::clamp(degrees, -180.0, 180.0) * 3600.0));
}

bool OurAirportsCsv::FitsKey(const QString& ident) {
    if (ident.isEmpty() || ident.size() > 4)
        return false;
    return std::all_of(ident.begin(), ident.end(),
                       [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7F; });
}
