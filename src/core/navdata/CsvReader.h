#pragma once
// Reads comma-separated values as published by OurAirports (RFC 4180): UTF-8 text, records
// ending with LF or CRLF, fields in double quotes that may hold commas, line breaks and doubled
// quotes. The first record usually names the columns (see Column).
//
// The reader owns the data and unquotes fields in place, so a record is read without copying:
// its fields are views of the reader's data that stay valid for the reader's whole life.

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <vector>

class CsvReader {
public:
    explicit CsvReader(QByteArray data);

    // Reads the next record; false at the end of the data. An empty line gives one empty field.
    bool Next();

    // The size of the data in bytes.
    qsizetype ByteCount() const { return data_.size(); }

    // The fields of the record last read.
    qsizetype FieldCount() const { return static_cast<qsizetype>(fields_.size()); }
    // The field at `column` (UTF-8 bytes), empty when the column is -1 or the record is shorter.
    QByteArrayView Field(int column) const {
        return column >= 0 && static_cast<size_t>(column) < fields_.size() ? fields_[column]
                                                                           : QByteArrayView();
    }
    // Every field of the record as text (a header).
    QStringList Texts() const;
    // Reads the next record into `fields` as texts; false at the end of the data.
    bool Next(QStringList* fields);

    // The line (from 1) on which the record read last began.
    int RecordLine() const { return recordLine_; }
    // The record read last ended inside quotes (the data ended before the closing one).
    bool OpenQuote() const { return openQuote_; }

    // The position of `name` in a header record; -1 when absent.
    static int Column(const QStringList& header, const QString& name);

private:
    QByteArray data_;
    qsizetype pos_ = 0;
    std::vector<QByteArrayView> fields_;
    int line_ = 1; // the line at pos_
    int recordLine_ = 0;
    bool openQuote_ = false;
};
