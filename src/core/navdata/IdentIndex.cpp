#include "core/navdata/IdentIndex.h"

#include <algorithm>
#include <bit>
#include <functional>

IdentIndex::IdentIndex(size_t expected)
    : slots_(std::bit_ceil(std::max<size_t>(16, 2 * expected))) {}

size_t IdentIndex::SlotOf(std::string_view ident) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = std::hash<std::string_view>()(ident) & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.value < 0 || std::string_view(bytes_).substr(slot.offset, slot.length) == ident)
            return i;
    }
}

void IdentIndex::Insert(std::string_view ident, int value) {
    if (value < 0)
        return;
    if (2 * (used_ + 1) > slots_.size())
        Grow();
    Slot& slot = slots_[SlotOf(ident)];
    if (slot.value < 0) {
        slot.offset = static_cast<uint32_t>(bytes_.size());
        slot.length = static_cast<uint32_t>(ident.size());
        bytes_.append(ident);
        ++used_;
    }
    slot.value = value;
}

int IdentIndex::Find(std::string_view ident) const {
    return slots_[SlotOf(ident)].value;
}

void IdentIndex::Grow() {
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    for (const Slot& slot : old) {
        if (slot.value >= 0)
            slots_[SlotOf(std::string_view(bytes_).substr(slot.offset, slot.length))] = slot;
    }
}
