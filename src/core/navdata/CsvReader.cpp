#include "core/navdata/CsvReader.h"

CsvReader::CsvReader(QByteArray data) : data_(std::move(data)) {
    if (data_.startsWith("\xEF\xBB\xBF"))
        pos_ = 3; // UTF-8 byte order mark
}

bool CsvReader::Next(QStringList* fields) {
    fields->clear();
    if (pos_ >= data_.size())
        return false;
    recordLine_ = line_;
    QByteArray field;
    bool quoted = false;
    while (pos_ < data_.size()) {
        const char c = data_[pos_++];
        if (c == '\n')
            ++line_;
        if (quoted) {
            if (c != '"')
                field.append(c);
            else if (pos_ < data_.size() && data_[pos_] == '"')
                field.append(data_[pos_++]); // a doubled quote
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields->append(QString::fromUtf8(field));
            field.clear();
        } else if (c == '\n') {
            break;
        } else if (c != '\r' || (pos_ < data_.size() && data_[pos_] != '\n')) {
            field.append(c);
        }
    }
    fields->append(QString::fromUtf8(field));
    openQuote_ = quoted;
    return true;
}

int CsvReader::Column(const QStringList& header, const QString& name) {
    return static_cast<int>(header.indexOf(name));
}

QString CsvReader::Field(const QStringList& fields, int column) {
    return column >= 0 && column < fields.size() ? fields[column] : QString();
}
