#include "core/navdata/AirportSearchIndex.h"

#include "core/navdata/NavFileFormat.h"
#include "core/navdata/NavTextMatcher.h"

#include <algorithm>
#include <cstring>

void AirportSearchIndex::Add(int position, QByteArrayView name, QByteArrayView city) {
    positions_.push_back(position);
    AddField(name);
    AddField(city);
}

void AirportSearchIndex::AddField(QByteArrayView bytes) {
    fieldStarts_.push_back(static_cast<int32_t>(text_.size()));
    const qsizetype n = std::min<qsizetype>(bytes.size(), navfile::kTextBufferBytes);
    for (qsizetype i = 0; i < n; ++i)
        text_.append(NavTextMatcher::Upper(bytes[i]));
    text_.append('\0');
}

qsizetype AirportSearchIndex::FieldEnd(size_t field) const {
    const qsizetype next = field + 1 < fieldStarts_.size() ? fieldStarts_[field + 1] : text_.size();
    return next - 1;
}

std::vector<int> AirportSearchIndex::Find(const QString& text) const {
    const QByteArray needle = NavTextMatcher(text).Needle();
    if (needle.isEmpty())
        return {positions_.begin(), positions_.end()};
    std::vector<int> found;
    const char* base = text_.constData();
    const size_t size = static_cast<size_t>(text_.size());
    size_t from = 0;
    while (from < size) {
        const void* hit = memmem(base + from, size - from, needle.constData(),
                                 static_cast<size_t>(needle.size()));
        if (hit == nullptr)
            break;
        const auto at = static_cast<int32_t>(static_cast<const char*>(hit) - base);
        const size_t field =
            static_cast<size_t>(std::upper_bound(fieldStarts_.begin(), fieldStarts_.end(), at) -
                                fieldStarts_.begin() - 1);
        if (at + needle.size() > FieldEnd(field)) {
            from = static_cast<size_t>(at) + 1; // runs past its field: no match here
            continue;
        }
        const size_t airport = field / 2;
        found.push_back(positions_[airport]);
        const size_t nextField = 2 * (airport + 1);
        from =
            nextField < fieldStarts_.size() ? static_cast<size_t>(fieldStarts_[nextField]) : size;
    }
    return found;
}

qsizetype AirportSearchIndex::Bytes() const {
    return text_.capacity() +
           static_cast<qsizetype>((fieldStarts_.capacity() + positions_.capacity()) *
                                  sizeof(int32_t));
}
