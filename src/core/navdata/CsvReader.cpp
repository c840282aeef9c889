#include "core/navdata/CsvReader.h"

CsvReader::CsvReader(QByteArray data) : data_(std::move(data)) {
    if (data_.startsWith("\xEF\xBB\xBF"))
        pos_ = 3; // UTF-8 byte order mark
}

// A field's text never grows when its quotes are taken out, so it is written back over the bytes
// already read (`out` never passes `pos_`) and the field is a view of the data.
bool CsvReader::Next() {
    fields_.clear();
    const qsizetype size = data_.size();
    if (pos_ >= size)
        return false;
    char* const bytes = data_.data();
    qsizetype start = pos_;
    qsizetype out = pos_;
    bool quoted = false;
    while (pos_ < size) {
        const char c = bytes[pos_++];
        if (quoted) {
            if (c != '"')
                bytes[out++] = c;
            else if (pos_ < size && bytes[pos_] == '"')
                bytes[out++] = bytes[pos_++]; // a doubled quote
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields_.emplace_back(bytes + start, out - start);
            start = out = pos_;
        } else if (c == '\n') {
            break;
        } else if (c != '\r' || (pos_ < size && bytes[pos_] != '\n')) {
            bytes[out++] = c;
        }
    }
    fields_.emplace_back(bytes + start, out - start);
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
