#pragma once
// Decoding of the two NMEA 0183 sentences the receiver uses, RMC and GGA, from any talker.
//
// Receivers and links damage sentences: cut short, padded with NUL bytes, bits flipped. A damaged
// sentence must never become a fix (a cut RMC would read as ground speed 0 and record a landing
// in flight), so a sentence is decoded only when it is whole: printable ASCII, a checksum that
// matches where one is given, every field its type defines, and numbers where numbers belong.
// Anything else is dropped and leaves the values as they were.

#include "core/gps/GpsFix.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

enum class NmeaType { Other, Rmc, Gga };

// The sentence of one received line: from its last "$" (bytes before it are the rest of an
// earlier sentence or noise) to its end, less trailing white space (the carriage return).
// Nothing when the line holds no "$" or too little for an address.
std::optional<QByteArray> NmeaSentenceFromLine(QByteArrayView line);

// The sentence without its checksum ("*hh") when it is intact: only printable ASCII after the
// "$", and the checksum, when present, is two hex digits equal to the XOR of the bytes between
// "$" and "*". Nothing for a damaged sentence.
std::optional<QByteArrayView> NmeaSentenceBody(QByteArrayView sentence);

// The sentence type from its address: exactly five characters, a two-letter talker (GP, GN,
// GL, ...) and "RMC" or "GGA". Proprietary sentences ("$P...") are Other.
NmeaType NmeaSentenceType(QByteArrayView sentence);

// Field n: the text after the n-th comma up to the next comma or the end; empty beyond the end.
QByteArrayView NmeaField(QByteArrayView sentence, int n);

// Updates the values from an intact RMC sentence (heading, speed, latitude, longitude, time,
// date) or GGA sentence (altitude). Returns false, leaving the values alone, for a damaged
// sentence and for any other type.
bool DecodeNmeaSentence(QByteArrayView sentence, GpsValues* values);

// The magnetic heading from a true course and the variation of RMC fields 10 and 11: an east
// variation is subtracted, a west one added; a variation without its letter is not applied.
// Whole degrees 0 to 359, truncated.
int32_t MagneticHeading(double trueCourse, double variation, char eastWest);

// "$", the body (address and fields) and "*hh" with the body's checksum: how a receiver writes a
// sentence, for recordings and tests.
QByteArray NmeaWithChecksum(QByteArrayView body);
