#pragma once
// Writes .nav files (version 2): the header, the description, the airport index and the nav aid
// table (both sorted by key), the nav aid names, then the airport bodies. Texts are written as
// 8-bit characters, cut to their buffers (255 characters for the description, names and cities,
// 79 for communication texts, 3 for runway designators) with their terminating zero.
// The record counts of each airport are taken from its lists; its key must match its identifier.

#include "core/navdata/NavDataSet.h"

#include "core/common/Outcome.h"

class NavFileWriter {
public:
    // The file image. Fails on an airport key that is empty or used twice, on more than 65535
    // runways or communication lines, and on a file larger than 2 GB.
    static Outcome<QByteArray> Build(const NavDataSet& data);
    // Builds and writes the file through a temporary file.
    static Status Write(const QString& path, const NavDataSet& data);
};
