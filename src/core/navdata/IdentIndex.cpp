#include "core/navdata/IdentIndex.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace {

uint32_t HashOf(std::string_view ident) {
    return static_cast<uint32_t>(std::hash<std::string_view>()(ident));
}

} // namespace

IdentIndex::IdentIndex(size_t expected)
    : slots_(std::bit_ceil(std::max<size_t>(16, 2 * expected))), texts_(slots_.size()) {}

size_t IdentIndex::SlotOf(std::string_view ident, uint32_t hash) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.value < 0)
            return i;
        if (slot.hash == hash &&
            std::string_view(bytes_).substr(texts_[i].offset, texts_[i].length) == ident)
            return i;
    }
}

void IdentIndex::Insert(std::string_view ident, int value) {
    if (value < 0)
        return;
    if (2 * (used_ + 1) > slots_.size())
        Grow();
    const uint32_t hash = HashOf(ident);
    const size_t i = SlotOf(ident, hash);
    if (slots_[i].value < 0) {
        texts_[i] = {static_cast<uint32_t>(bytes_.size()), static_cast<uint32_t>(ident.size())};
        slots_[i].hash = hash;
        bytes_.append(ident);
        ++used_;
    }
    slots_[i].value = value;
}

int IdentIndex::Find(std::string_view ident) const {
    return slots_[SlotOf(ident, HashOf(ident))].value;
}

// Every identifier is in the table once, so each takes the first empty slot of its run.
void IdentIndex::Grow() {
    std::vector<Slot> oldSlots(2 * slots_.size());
    std::vector<Text> oldTexts(oldSlots.size());
    oldSlots.swap(slots_);
    oldTexts.swap(texts_);
    const size_t mask = slots_.size() - 1;
    for (size_t j = 0; j < oldSlots.size(); ++j) {
        if (oldSlots[j].value < 0)
            continue;
        size_t i = oldSlots[j].hash & mask;
        while (slots_[i].value >= 0)
            i = (i + 1) & mask;
        slots_[i] = oldSlots[j];
        texts_[i] = oldTexts[j];
    }
}
