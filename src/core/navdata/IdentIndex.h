#pragma once
// Identifiers (any text, as UTF-8 bytes) to whole numbers, for finding the airport that a row of
// runways.csv or airport-frequencies.csv names among tens of thousands: an open-addressing table
// over one buffer of the identifiers' bytes, so a look-up touches one slot and one run of bytes.

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
        uint32_t offset = 0; // into bytes_
        uint32_t length = 0;
        int value = -1; // -1: an empty slot
    };

    size_t SlotOf(std::string_view ident) const; // its slot, or the empty one it would take
    void Grow();

    std::string bytes_;
    std::vector<Slot> slots_; // a power of two, at most half of them used
    size_t used_ = 0;
};
