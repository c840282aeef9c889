#pragma once
// The four-byte key of an airport or nav aid identifier: character 0 in the lowest byte, zero
// bytes after the last character. Keys order character by character (character 0 most
// significant), so a shorter identifier sorts before any longer one that it prefixes.

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

class IdentKey {
public:
    IdentKey() = default;
    explicit IdentKey(uint32_t raw) : raw_(raw) {}

    // The key of an identifier typed or stored as text: each character reduced to its low 8 bits.
    // Nothing for an empty text or one longer than four characters (no key can hold it).
    static std::optional<IdentKey> FromText(QStringView text);

    // The key as stored in the file (little-endian, character 0 in the lowest byte).
    uint32_t Raw() const { return raw_; }
    // The byte-swapped key, whose unsigned order is the identifier order.
    uint32_t SortValue() const {
        return ((raw_ & 0xFFu) << 24) | ((raw_ & 0xFF00u) << 8) | ((raw_ >> 8) & 0xFF00u) |
               (raw_ >> 24);
    }
    // The characters up to the first zero byte, as 8-bit text.
    QString Text() const;

    bool operator==(const IdentKey& other) const { return raw_ == other.raw_; }
    std::strong_ordering operator<=>(const IdentKey& other) const {
        return SortValue() <=> other.SortValue();
    }

private:
    uint32_t raw_ = 0;
};
