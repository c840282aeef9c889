#include "core/common/resources/ResourceLexer.h"

#include "core/common/resources/ResourceTypes.h"

namespace {

class Lexer {
public:
    explicit Lexer(const QString& source) : s_(source) {}

    // The tokens; false at a malformed one (its line and message in Line() and Error()).
    bool Run(QVector<ResourceToken>* tokens) {
        while (SkipBlank()) {
            ResourceToken token;
            token.line = line_;
            const QChar c = s_[i_];
            bool ok = true;
            if (c == '"')
                ok = ReadText(&token);
            else if (c.isDigit())
                ok = ReadNumber(&token);
            else if (c.isLetter() || c == '_')
                ReadName(&token);
            else if (QStringLiteral(",|{}()-+~").contains(c)) {
                token.kind = ResourceToken::Punct;
                token.text = c;
                ++i_;
            } else {
                error_ = QStringLiteral("unexpected character '%1'").arg(c);
                ok = false;
            }
            if (!ok)
                return false;
            tokens->append(token);
        }
        ResourceToken end;
        end.line = line_;
        tokens->append(end);
        return true;
    }

    int Line() const { return line_; }
    const QString& Error() const { return error_; }

private:
    // Skips white space, comments and preprocessor lines; false at the end of the source.
    bool SkipBlank() {
        bool lineStart = i_ == 0;
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            if (c == '\n') {
                ++line_;
                ++i_;
                lineStart = true;
            } else if (c.isSpace()) {
                ++i_;
            } else if ((c == '#' && lineStart) || s_.mid(i_, 2) == QLatin1String("//")) {
                // A preprocessor line or a line comment: skipped to the end of the line.
                while (i_ < s_.size() && s_[i_] != '\n')
                    ++i_;
            } else if (s_.mid(i_, 2) == QLatin1String("/*")) {
                i_ += 2;
                while (i_ < s_.size() && s_.mid(i_, 2) != QLatin1String("*/")) {
                    if (s_[i_] == '\n')
                        ++line_;
                    ++i_;
                }
                i_ += 2;
            } else {
                return true;
            }
        }
        return false;
    }

    bool ReadText(ResourceToken* token) {
        token->kind = ResourceToken::Text;
        ++i_;
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            if (c == '\n')
                break;
            if (c == '"') {
                if (i_ + 1 < s_.size() && s_[i_ + 1] == '"') { // "" is one quote
                    token->text += '"';
                    i_ += 2;
                    continue;
                }
                ++i_;
                return true;
            }
            if (c == '\\' && i_ + 1 < s_.size()) {
                const QChar e = s_[i_ + 1];
                const QString escapes = QStringLiteral("nrt\\\"");
                const QString values = QStringLiteral("\n\r\t\\\"");
                const qsizetype k = escapes.indexOf(e);
                if (k < 0) {
                    error_ = QStringLiteral("unknown escape \\%1 in a text").arg(e);
                    return false;
                }
                token->text += values[k];
                i_ += 2;
                continue;
            }
            token->text += c;
            ++i_;
        }
        error_ = QStringLiteral("text without its closing quote");
        return false;
    }

    bool ReadNumber(ResourceToken* token) {
        token->kind = ResourceToken::Number;
        const qsizetype start = i_;
        while (i_ < s_.size() && (s_[i_].isLetterOrNumber()))
            ++i_;
        QString digits = s_.mid(start, i_ - start);
        if (digits.endsWith('L', Qt::CaseInsensitive))
            digits.chop(1);
        bool ok = false;
        token->number = digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                            ? digits.mid(2).toLongLong(&ok, 16)
                            : digits.toLongLong(&ok, 10);
        token->text = digits;
        if (!ok)
            error_ = QStringLiteral("malformed number '%1'").arg(digits);
        return ok;
    }

    void ReadName(ResourceToken* token) {
        token->kind = ResourceToken::Name;
        const qsizetype start = i_;
        while (i_ < s_.size() && (s_[i_].isLetterOrNumber() || s_[i_] == '_'))
            ++i_;
        token->text = s_.mid(start, i_ - start);
    }

    const QString& s_;
    qsizetype i_ = 0;
    int line_ = 1;
    QString error_;
};

} // namespace

Outcome<QVector<ResourceToken>> TokenizeResourceScript(const QString& source,
                                                       const QString& fileName) {
    Lexer lexer(source);
    QVector<ResourceToken> tokens;
    if (!lexer.Run(&tokens))
        return Outcome<QVector<ResourceToken>>::Fail(
            ResourceError{fileName, lexer.Line(), lexer.Error()}.ToText());
    return tokens;
}
