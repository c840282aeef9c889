#include "core/planning/IdentFitting.h"

namespace {

// Capitals of the text with accents removed; other characters than ASCII become spaces.
QString PlainCapitals(const QString& text) {
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.unicode() < 0x80)
            plain += c.toUpper();
        else if (!c.isMark()) // an accent left over from the decomposition goes
            plain += QLatin1Char(' ');
    }
    return plain;
}

bool IsIdentChar(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

} // namespace

QString FitIdentifier(const QString& text, int maxLength) {
    QString fitted;
    for (const QChar c : PlainCapitals(text))
        if (IsIdentChar(c) && fitted.size() < maxLength)
            fitted += c;
    return fitted;
}

QString FitComment(const QString& text) {
    QString spaced;
    for (const QChar c : PlainCapitals(text))
        spaced += IsIdentChar(c) || c == QLatin1Char('/') ? c : QLatin1Char(' ');
    return spaced.simplified().left(kMaxCommentLength).trimmed();
}

QString UniqueIdentifier(const QString& base, int maxLength,
                         const std::function<bool(const QString&)>& taken) {
    QString start = base.isEmpty() ? QStringLiteral("WPT").left(maxLength) : base;
    if (!taken(start))
        return start;
    constexpr int kLastNumber = 99999;
    for (int n = 2; n <= kLastNumber; ++n) {
        const QString number = QString::number(n);
        if (number.size() > maxLength)
            break;
        QString candidate = start.left(maxLength - number.size()) + number;
        if (!taken(candidate))
            return candidate;
    }
    return {};
}
