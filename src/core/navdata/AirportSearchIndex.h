#pragma once
// The airport names and cities of a .nav file in one compact block, upper-cased as the search
// compares them (the first 256 bytes of each, as NavTextMatcher sees them), with the airport's
// position in the file's airport index. Built once per loaded file; a search then scans one
// block of memory instead of parsing every record. About 40 bytes an airport.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

class AirportSearchIndex {
public:
    // Adds an airport (in index order): its index position, name and city as stored.
    void Add(int position, QByteArrayView name, QByteArrayView city);
    // The positions, ascending, of the airports whose name or city contains the text, ignoring
    // letter case as NavTextMatcher does; every airport for an empty text.
    std::vector<int> Find(const QString& text) const;
    int Count() const { return static_cast<int>(positions_.size()); }
    // The memory the index holds, in bytes.
    qsizetype Bytes() const;

private:
    void AddField(QByteArrayView bytes);
    // The end (exclusive, before its terminator) of field `field`.
    qsizetype FieldEnd(size_t field) const;

    QByteArray text_;                  // every field upper-cased, each followed by a 0 byte
    std::vector<int32_t> fieldStarts_; // name and city of airport i: fields 2i and 2i + 1
    std::vector<int32_t> positions_;   // index position of airport i
};
