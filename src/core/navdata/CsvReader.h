#pragma once
// Reads comma-separated values as published by OurAirports (RFC 4180): UTF-8 text, records
// ending with LF or CRLF, fields in double quotes that may hold commas, line breaks and doubled
// quotes. The first record usually names the columns (see Column).

#include <QByteArray>
#include <QStringList>

class CsvReader {
public:
    explicit CsvReader(QByteArray data);

    // The next record's fields; false at the end of the data. An empty line gives one empty field.
    bool Next(QStringList* fields);
    // The line (from 1) on which the record Next returned last began.
    int RecordLine() const { return recordLine_; }
    // The record Next returned last ended inside quotes (the data ended before the closing one).
    bool OpenQuote() const { return openQuote_; }

    // The position of `name` in a header record; -1 when absent.
    static int Column(const QStringList& header, const QString& name);
    // The field at `column`, "" when the column is -1 or the record is shorter.
    static QString Field(const QStringList& fields, int column);

private:
    QByteArray data_;
    qsizetype pos_ = 0;
    int line_ = 1; // the line at pos_
    int recordLine_ = 0;
    bool openQuote_ = false;
};
