#pragma once
// Length-prefixed strings of binary files: a 32-bit byte count (including the terminating zero)
// followed by the UTF-8 bytes and their zero.

#include "core/common/io/ByteReader.h"
#include "core/common/io/ByteWriter.h"

#include <QString>

#include <optional>

inline constexpr int kUtf8StringBufferBytes = 256;

// Writes the string; text whose UTF-8 form with its zero exceeds 256 bytes is cut at the last
// whole character that fits.
void WriteUtf8String(ByteWriter& out, const QString& text);

// Reads one string into a buffer of `capacity` wide characters (including the zero). Returns
// nothing, and marks the reader failed, when the count is 0 or above 256, the bytes run past the
// end, or the text does not fit the capacity. Text after an embedded zero is ignored.
std::optional<QString> ReadUtf8String(ByteReader& in, int capacity);

// The UTF-8 form of text cut at a character boundary so that it takes at most maxBytes bytes.
QByteArray Utf8Prefix(const QString& text, qsizetype maxBytes);
