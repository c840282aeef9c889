#pragma once
// Identifiers (any text, as UTF-8 bytes) to whole numbers, for finding the airport that a row of
// runways.csv or airport-frequencies.csv names among tens of thousands: an open-addressing table
// of hashes and values, with the identifiers' bytes in one buffer beside it, so a look-up reads
// one small slot and, only when the hash matches, one run of bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class IdentIndex {
public:
    // Room for `expected` identifiers without growing.
    explicit IdentIndex(size_t expected = 0);

    // A second value for an identifier replaces the first; a negative value is not stored.
    void Insert(std::string_view ident, int value);
    // -1 when the identifier is not there.
    int Find(std::string_view ident) const;

private:
    struct Slot {
        uint32_t hash = 0; // of the identifier, so that most others are passed by
        int value = -1;    // -1: an empty slot
    };
    struct Text {
        uint32_t offset = 0; // into bytes_
        uint32_t length = 0;
    };

    // The identifier's slot, or the empty one it would take.
    size_t SlotOf(std::string_view ident, uint32_t hash) const;
    void Grow();

    std::string bytes_;
    std::vector<Slot> slots_; // a power of two, at most half of them used
    std::vector<Text> texts_; // of each slot
    size_t used_ = 0;
};
