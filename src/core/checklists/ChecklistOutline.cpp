#include "core/checklists/ChecklistOutline.h"
#include "core/common/text/Format.h"

#include "core/checklists/ChecklistBuilder.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

constexpr int kIndentPerLevel = 2;

QString Fault(int line, const char* reason) {
    return FormatText("line %d: %s", line, reason);
}

// Control characters (a carriage return inside a line, a NUL) and byte-order marks cannot be
// shown or exported again; the reason for the first one found, or nullptr. Tabs are text.
const char* ForbiddenCharacter(const QString& line) {
    for (const QChar c : line) {
        if (c == QChar(0xFEFF))
            return "a byte-order mark (U+FEFF) is allowed only at the start of the file";
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F)
            return "the text holds a control character";
    }
    return nullptr;
}

// Splits one outline line into level and text; returns the fault text, or "" when it is sound.
// The level stays -1 when the indent itself is faulty.
QString ParseLine(const QByteArray& bytes, int number, int* level, QString* text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString line = decoder(bytes);
    if (decoder.hasError())
        return Fault(number, "the text is not UTF-8");
    if (const char* reason = ForbiddenCharacter(line))
        return Fault(number, reason);
    qsizetype spaces = 0;
    while (spaces < line.size() && line[spaces] == QLatin1Char(' '))
        ++spaces;
    *level = -1; // unknown until the indent is sound
    if (spaces < line.size() && line[spaces].isSpace())
        return Fault(number, "indent with spaces only, two for each level");
    if (spaces % kIndentPerLevel != 0)
        return Fault(number, "the indent is not a whole number of levels (two spaces each)");
    if (spaces / kIndentPerLevel > kItemLevel)
        return Fault(number, "the indent is deeper than an item (eight spaces)");
    *level = static_cast<int>(spaces / kIndentPerLevel);
    *text = line.mid(spaces);
    const qsizetype utf8 = text->toUtf8().size();
    if (utf8 + 1 > kChecklistMaxRecordTextBytes)
        return FormatText("line %d: the text is %lld bytes of UTF-8; at most %d fit", number,
                          static_cast<long long>(utf8), kChecklistMaxRecordTextBytes - 1);
    return {};
}

// The fault of a record of `level` after one of `previous` (-1 before the first), or "".
QString CheckStep(int number, int level, int previous) {
    if (previous < 0 && level != kAircraftLevel)
        return Fault(number, "the first line must be an aircraft (no indent)");
    if (level == kItemLevel && previous < kSubGroupLevel)
        return Fault(number, "an item outside a sub group");
    if (level > previous + 1)
        return Fault(number, "the level skips a step");
    return {};
}

} // namespace

Outcome<QString> ChecklistOutlineText(const QList<ChecklistRecord>& records) {
    QString outline;
    QStringList faults;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QString& text = records[i].text;
        const int line = static_cast<int>(i + 1);
        if (text.isEmpty())
            faults.append(Fault(line, "the text is empty"));
        else if (text.front().isSpace())
            faults.append(Fault(line, "the text starts with white space"));
        else if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
            faults.append(Fault(line, "the text holds a line break"));
        else if (const char* reason = ForbiddenCharacter(text))
            faults.append(Fault(line, reason)); // the import would refuse it
        outline += QString(records[i].level * kIndentPerLevel, QLatin1Char(' ')) + text +
                   QLatin1Char('\n');
    }
    if (!faults.isEmpty())
        return Outcome<QString>::Fail(
            QStringLiteral("Error:\nThese checklist texts cannot be written as an outline:\n") +
            faults.join(QLatin1Char('\n')));
    return outline;
}

Outcome<QByteArray> ChecklistAreaFromOutline(const QByteArray& outline) {
    QByteArray body = outline;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    const QList<QByteArray> lines = body.split('\n');
    ChecklistBuilder builder;
    QStringList faults;
    int previous = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray bytes = lines[i];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (bytes.trimmed().isEmpty())
            continue;
        const int number = static_cast<int>(i + 1);
        int level = -1;
        QString text;
        QString fault = ParseLine(bytes, number, &level, &text);
        if (fault.isEmpty())
            fault = CheckStep(number, level, previous);
        if (level >= 0) // a line with a bad indent leaves the level of the last sound one
            previous = level;
        if (!fault.isEmpty()) {
            faults.append(fault);
            continue;
        }
        const Status appended = builder.Append(level, text);
        if (!appended)
            faults.append(FormatText("line %d: ", number) + appended.error().text);
    }
    if (!faults.isEmpty())
        return Outcome<QByteArray>::Fail(QStringLiteral("Error:\nInvalid checklist outline:\n") +
                                         faults.join(QLatin1Char('\n')));
    return builder.Records();
}
