#include "core/logbook/LogbookCsv.h"

#include "core/logbook/LogbookCsvRow.h"
#include "core/navdata/CsvReader.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

QString Quoted(const QString& field) {
    static const QRegularExpression kSpecial(QStringLiteral("[\",\\r\\n]"));
    if (!field.contains(kSpecial))
        return field;
    QString text = field;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString Record(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted.append(Quoted(f));
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// The line of the first byte that is not UTF-8; 0 when all are.
int FirstBadUtf8Line(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        (void)QString(decoder(lines[i]));
        if (decoder.hasError())
            return static_cast<int>(i + 1);
    }
    return 0;
}

Message LineMessage(int line, const QString& text) {
    return Message{QStringLiteral("Line %1: %2").arg(line).arg(text), MessageIcon::Warning};
}

} // namespace

QString LogbookCsvHeader() {
    return LogbookCsvColumns().join(QLatin1Char(','));
}

QByteArray LogbookCsvText(const QList<LogbookEntry>& entries) {
    QString text = Record(LogbookCsvColumns());
    for (const LogbookEntry& e : entries)
        text += Record(LogbookCsvFields(e));
    return text.toUtf8();
}

Outcome<QList<LogbookEntry>> ParseLogbookCsv(const QByteArray& bytes) {
    if (const int bad = FirstBadUtf8Line(bytes); bad > 0)
        return LineMessage(bad, QStringLiteral("the text is not UTF-8."));
    CsvReader reader(bytes);
    QStringList fields;
    if (!reader.Next(&fields) || fields != LogbookCsvColumns())
        return LineMessage(1, QStringLiteral("this is not a logbook file: its first line must "
                                             "be\n") +
                                  LogbookCsvHeader());
    QList<LogbookEntry> entries;
    while (reader.Next(&fields)) {
        const int line = reader.RecordLine();
        if (fields.size() == 1 && fields.first().isEmpty() && !reader.OpenQuote())
            continue; // a blank line, such as one at the very end
        if (reader.OpenQuote())
            return LineMessage(line, QStringLiteral("a quoted field is not closed."));
        Outcome<LogbookEntry> entry = ParseLogbookCsvFields(fields);
        if (!entry)
            return LineMessage(line, entry.error().text);
        entries.append(std::move(entry.value()));
    }
    return entries;
}
