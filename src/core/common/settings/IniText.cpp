#include "core/common/settings/IniText.h"

#include <QStringDecoder>
#include <QStringList>

#include <optional>

namespace {

bool IsIniSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsLineSpecial(char c) {
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int OctalValue(char c) {
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// One logical line from `pos`: leading blanks and comment lines skipped, a backslash before a
// line end joins the next line, quotes keep line ends and ';' in. `equals` is the position of
// the first '=' outside quotes (-1 without one). False at the end of the text.
bool NextLine(QByteArrayView text, qsizetype& pos, QByteArrayView* line, qsizetype* equals) {
    const qsizetype size = text.size();
    bool inQuotes = false;
    *equals = -1;
    qsizetype start = pos;
    while (start < size && IsIniSpace(text[start]))
        ++start;
    qsizetype i = start;
    while (i < size) {
        const char c = text[i++];
        if (!IsLineSpecial(c))
            continue;
        if (c == '=') {
            if (!inQuotes && *equals < 0)
                *equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char next = text[i++];
                if (i < size &&
                    ((next == '\n' && text[i] == '\r') || (next == '\r' && text[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (i == start + 1) { // ';' opening a comment line
            while (i < size && text[i] != '\n' && text[i] != '\r')
                ++i;
            while (i < size && IsIniSpace(text[i]))
                ++i;
            start = i;
        } else if (!inQuotes) { // ';' ending the line's content
            --i;
            break;
        }
    }
    pos = i;
    *line = text.sliced(start, i - start);
    if (*equals >= 0)
        *equals -= start;
    return !line->isEmpty();
}

QString UnescapeKey(QByteArrayView key) {
    const QString decoded = QString::fromUtf8(key);
    QString result;
    qsizetype i = 0;
    while (i < decoded.size()) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == decoded.size() - 1) {
            result += c;
            ++i;
            continue;
        }
        const bool wide = decoded[i + 1] == u'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = first + digits <= decoded.size();
        const ushort code = ok ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

// UTF-8 as it is: a byte-order mark that opens a piece (after an escape or a quote) is a
// character of the value, not a mark to drop.
QString Utf8Text(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8(bytes);
}

void ChopTrailingBlanks(QString& text, qsizetype limit) {
    qsizetype n = text.size();
    while (n > limit && (text[n - 1] == u' ' || text[n - 1] == u'\t'))
        --n;
    text.truncate(n);
}

// The escape after a backslash at `i` (already past it); appends what it stands for.
void UnescapeOne(QByteArrayView value, qsizetype& i, QString& out) {
    static constexpr char kSimple[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                          {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                          {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    const char c = value[i++];
    for (const auto& simple : kSimple) {
        if (c == simple[0]) {
            out += QLatin1Char(simple[1]);
            return;
        }
    }
    if (c == 'x' || OctalValue(c) >= 0) {
        const bool hex = c == 'x';
        char16_t code = hex ? 0 : static_cast<char16_t>(OctalValue(c));
        if (hex && (i >= value.size() || HexValue(value[i]) < 0))
            return; // "\x" without digits stands for nothing
        for (int digit = 0;
             i < value.size() && (digit = hex ? HexValue(value[i]) : OctalValue(value[i])) >= 0;
             ++i)
            code = static_cast<char16_t>((code << (hex ? 4 : 3)) + digit);
        out += QChar(code);
    } else if ((c == '\n' || c == '\r') && i < value.size() &&
               (value[i] == '\n' || value[i] == '\r') && value[i] != c) {
        ++i; // a continued line
    }
}

// A text in QSettings' own forms: "@@..." is the text after one '@', "@String(...)" the text in
// the brackets (one holding a zero character); "@Invalid()" is no value (see UnescapeValue).
QString StoredText(const QString& text) {
    if (text.startsWith(QLatin1String("@@")))
        return text.sliced(1);
    if (text.startsWith(QLatin1String("@String(")) && text.endsWith(u')'))
        return text.sliced(8).chopped(1);
    return text;
}

// A value's text: escapes resolved, quotes removed, unquoted blanks around items dropped;
// the items of a list joined by commas. Nothing for "@Invalid()".
std::optional<QString> UnescapeValue(QByteArrayView value) {
    QStringList items;
    QString current;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype i = 0;
    qsizetype chopLimit = 0;
    auto skipBlanks = [&] {
        while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
            ++i;
        chopLimit = current.size();
    };
    skipBlanks();
    while (i < value.size()) {
        const char c = value[i];
        if (c == '\\') {
            if (++i >= value.size())
                break;
            UnescapeOne(value, i, current);
            chopLimit = current.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!quoted)
                ChopTrailingBlanks(current, chopLimit);
            items.append(StoredText(current));
            current.clear();
            quoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype end = i + 1;
            while (end < value.size() && value[end] != '\\' && value[end] != '"' &&
                   value[end] != ',')
                ++end;
            current += Utf8Text(value.sliced(i, end - i));
            i = end;
        }
    }
    if (!quoted)
        ChopTrailingBlanks(current, chopLimit);
    if (!items.isEmpty()) {
        items.append(StoredText(current));
        return items.join(u',');
    }
    if (current == QLatin1String("@Invalid()"))
        return std::nullopt;
    return StoredText(current);
}

// The section a "[...]" line opens, as the prefix of its keys ("" for General).
QString SectionPrefix(QByteArrayView line, bool* wellFormed) {
    const qsizetype close = line.indexOf(']');
    if (close < 0)
        *wellFormed = false;
    const QByteArrayView name = (close < 0 ? line.sliced(1) : line.sliced(1, close - 1)).trimmed();
    if (name.isEmpty() || name.compare("general", Qt::CaseInsensitive) == 0)
        return {}; // "[]" holds keys without a section, as they are written back
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1)) + u'/';
    return UnescapeKey(name) + u'/';
}

void AppendEscapedKey(const QString& key, QByteArray& out) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t c = key[i].unicode();
        // A key's '/' is written as a backslash, but a backslash right before the '=' would hide
        // it: a '/' that ends the key is written as "%2F".
        if (c == u'/' && i + 1 < key.size()) {
            out += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                   (c >= u'0' && c <= u'9') || c == u'_' || c == u'-' || c == u'.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += kHex[c / 16];
            out += kHex[c % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(c >> shift) & 0xF];
        }
    }
}

// The escape QSettings writes for a character, or nothing for one written as it is.
const char* NamedEscape(char16_t c) {
    switch (c) {
    case u'\a':
        return "\\a";
    case u'\b':
        return "\\b";
    case u'\f':
        return "\\f";
    case u'\n':
        return "\\n";
    case u'\r':
        return "\\r";
    case u'\t':
        return "\\t";
    case u'\v':
        return "\\v";
    case u'"':
        return "\\\"";
    case u'\\':
        return "\\\\";
    default:
        return nullptr;
    }
}

bool IsLoneSurrogate(const QString& text, qsizetype i) {
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

void AppendEscapedValue(const QString& stored, QByteArray& out) {
    QString text = stored;
    if (stored.contains(QChar::Null))
        text = QStringLiteral("@String(") + stored + u')';
    else if (stored.startsWith(u'@'))
        text = u'@' + stored;
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHex = false; // after "\0" or "\xNN" a hex digit would join the number
    QString plain;                // characters written as they are, encoded together
    auto flushPlain = [&] {
        out += plain.toUtf8();
        plain.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar qc = text[i];
        const char16_t c = qc.unicode();
        if (c == u';' || c == u',' || c == u'=')
            needsQuotes = true;
        const bool hexDigit = c < 0x80 && HexValue(static_cast<char>(c)) >= 0;
        if (escapeNextIfHex && hexDigit) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        // A lone surrogate has no UTF-8 form: escaped, it reads back as it was.
        const bool numbered =
            c != 0 && NamedEscape(c) == nullptr && (c <= 0x1F || IsLoneSurrogate(text, i));
        if (c != 0 && NamedEscape(c) == nullptr && !numbered) {
            plain += qc;
            continue;
        }
        flushPlain();
        if (c == 0)
            out += "\\0";
        else if (numbered)
            out += "\\x" + QByteArray::number(c, 16);
        else
            out += NamedEscape(c);
        escapeNextIfHex = c == 0 || numbered;
    }
    flushPlain();
    if (needsQuotes || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

} // namespace

IniDocument ParseIniText(QByteArrayView text) {
    IniDocument document;
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8(text));
    document.wellFormed = !text.contains('\0') && !utf8.hasError();
    if (text.startsWith("\xef\xbb\xbf"))
        text = text.sliced(3); // a byte-order mark
    QString prefix;
    qsizetype pos = 0;
    QByteArrayView line;
    qsizetype equals = -1;
    while (NextLine(text, pos, &line, &equals)) {
        if (line.startsWith('[')) {
            prefix = SectionPrefix(line, &document.wellFormed);
            continue;
        }
        if (equals < 0) {
            document.wellFormed = line.startsWith(';') && document.wellFormed;
            continue;
        }
        const QString key = prefix + UnescapeKey(line.first(equals).trimmed());
        if (std::optional<QString> value = UnescapeValue(line.sliced(equals + 1)))
            document.values.insert(key, *value);
        else
            document.values.remove(key);
    }
    return document;
}

QByteArray WriteIniText(const IniValues& values) {
    // Sections by name; "General" (keys without a section) sorts first as the empty name.
    QMap<QString, QList<IniValues::const_iterator>> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        sections[slash < 0 ? QString() : it.key().first(slash)].append(it);
    }
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!out.isEmpty())
            out += '\n';
        QByteArray name;
        AppendEscapedKey(section.key(), name);
        if (name.isEmpty())
            name = "General";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            name.prepend('%'); // a section of that name, not the keys without one
        out += '[' + name + "]\n";
        const qsizetype skip = section.key().isEmpty() ? 0 : section.key().size() + 1;
        for (const IniValues::const_iterator& it : section.value()) {
            AppendEscapedKey(it.key().sliced(skip), out);
            out += '=';
            AppendEscapedValue(it.value(), out);
            out += '\n';
        }
    }
    return out;
}
