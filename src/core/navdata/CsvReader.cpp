#include "core/navdata/CsvReader.h"

#include <algorithm>
#include <array>
#include <cstring>

CsvReader::CsvReader(QByteArray data) : data_(std::move(data)) {
    if (data_.startsWith("\xEF\xBB\xBF"))
        pos_ = 3; // UTF-8 byte order mark
}

namespace {

// The bytes that end a run of plain text outside quotes.
constexpr std::array<bool, 256> kSpecial = [] {
    std::array<bool, 256> special{};
    for (const unsigned char c : {',', '\n', '"', '\r'})
        special[c] = true;
    return special;
}();

bool IsSpecial(char c) {
    return kSpecial[static_cast<unsigned char>(c)];
}

} // namespace

// A field's text never grows when its quotes are taken out, so it is written back over the bytes
// already read (`out` never passes `pos_`) and the field is a view of the data. Runs of plain
// bytes are moved at once, and not at all while nothing has been taken out before them.
bool CsvReader::Next() {
    fields_.clear();
    const qsizetype size = data_.size();
    if (pos_ >= size)
        return false;
    char* const bytes = data_.data();
    recordLine_ = line_;
    qsizetype start = pos_;
    qsizetype out = pos_;
    bool quoted = false;
    while (pos_ < size) {
        qsizetype end = pos_;
        if (quoted) {
            const void* quote = std::memchr(bytes + pos_, '"', size - pos_);
            end = quote != nullptr ? static_cast<const char*>(quote) - bytes : size;
            line_ += static_cast<int>(std::count(bytes + pos_, bytes + end, '\n'));
        } else {
            while (end < size && !IsSpecial(bytes[end]))
                ++end;
        }
        if (out != pos_)
            std::memmove(bytes + out, bytes + pos_, end - pos_);
        out += end - pos_;
        pos_ = end;
        if (pos_ >= size)
            break;
        const char c = bytes[pos_++];
        if (quoted) { // c is a quote
            if (pos_ < size && bytes[pos_] == '"')
                bytes[out++] = bytes[pos_++]; // a doubled quote
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
            if (out == start)
                start = out = pos_; // an opening quote: the field starts after it
        } else if (c == ',') {
            fields_.emplace_back(bytes + start, out - start);
            start = out = pos_;
        } else if (c == '\n') {
            ++line_;
            break;
        } else if (c != '\r' || (pos_ < size && bytes[pos_] != '\n')) {
            bytes[out++] = c;
        }
    }
    fields_.emplace_back(bytes + start, out - start);
    openQuote_ = quoted;
    return true;
}

bool CsvReader::Next(QStringList* fields) {
    if (!Next()) {
        fields->clear();
        return false;
    }
    *fields = Texts();
    return true;
}

QStringList CsvReader::Texts() const {
    QStringList texts;
    texts.reserve(FieldCount());
    for (const QByteArrayView field : fields_)
        texts.append(QString::fromUtf8(field));
    return texts;
}

int CsvReader::Column(const QStringList& header, const QString& name) {
    return static_cast<int>(header.indexOf(name));
}
