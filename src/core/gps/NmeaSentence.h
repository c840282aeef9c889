#pragma once
// Decoding of the two NMEA 0183 sentences the receiver uses, RMC and GGA, from any talker.
// No checksum is checked; the RMC status is kept (fixValid) but every value is taken whatever
// it says; a missing field reads as 0.

#include "core/gps/GpsFix.h"

#include <QByteArrayView>

enum class NmeaType { Other, Rmc, Gga };

// The sentence type from the three characters after "$" and the two-letter talker.
NmeaType NmeaSentenceType(QByteArrayView sentence);

// Field n: the text after the n-th comma up to the next comma or the end; empty beyond the end.
QByteArrayView NmeaField(QByteArrayView sentence, int n);

// Updates the values from an RMC sentence (heading, speed, latitude, longitude, time) or a GGA
// sentence (altitude). Returns false, leaving the values alone, for any other sentence.
bool DecodeNmeaSentence(QByteArrayView sentence, GpsValues* values);
