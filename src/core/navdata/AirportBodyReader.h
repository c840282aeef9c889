#pragma once
// Reading one airport body of a .nav file: the record, its runways, its communication lines, its
// name and its city, in that order. Every count and length is checked against the data: a body
// that runs past the data reads as OutOfData, one whose key differs from the index key that led
// to it as Damaged.

#include "core/navdata/NavFileWindow.h"
#include "core/navdata/NavRecords.h"

#include <QByteArrayView>

// Name and city of an airport as 8-bit text viewing the reader's data (valid while it lives),
// each cut to the 256-byte text buffer.
struct AirportText {
    QByteArrayView name;
    QByteArrayView city;
};

// The record and the name (and the city when withCity), skipping runways and communication lines.
ParseStatus ReadAirportText(ByteReader& in, IdentKey expected, bool withCity, AirportRecord* record,
                            AirportText* text);

// The airport in full: the first 10 runways (the rest skipped), the communication lines with
// texts cut to their 80-byte slots, the name and the city. The record's counts are set to the
// sizes of the lists kept.
ParseStatus ReadAirportDetails(ByteReader& in, IdentKey expected, AirportDetails* details);
