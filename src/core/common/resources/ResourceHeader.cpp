#include "core/common/resources/ResourceScript.h"

#include <QRegularExpression>

QMap<QString, int> PredefinedResourceSymbols() {
    return {{QStringLiteral("IDOK"), 1},     {QStringLiteral("IDCANCEL"), 2},
            {QStringLiteral("IDABORT"), 3},  {QStringLiteral("IDRETRY"), 4},
            {QStringLiteral("IDIGNORE"), 5}, {QStringLiteral("IDYES"), 6},
            {QStringLiteral("IDNO"), 7},     {QStringLiteral("IDC_STATIC"), -1}};
}

Status ParseResourceHeader(const QString& text, const QString& fileName,
                           QMap<QString, int>* symbols) {
    const auto refuse = [&fileName](int line, const QString& message) {
        return Status::Fail(ResourceError{fileName, line, message}.ToText());
    };
    static const QRegularExpression define(QStringLiteral(
        R"(^\s*#\s*define\s+([A-Za-z_][A-Za-z0-9_]*)\s+\(?\s*(-?)\s*(0[xX][0-9A-Fa-f]+|\d+|[A-Za-z_][A-Za-z0-9_]*)\s*\)?\s*(//.*)?$)"));
    static const QRegularExpression allowed(
        QStringLiteral(R"(^\s*(//.*|#\s*(pragma|ifndef|ifdef|endif|if|else|undef)\b.*)?$)"));
    const QStringList lines = text.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        const QRegularExpressionMatch m = define.match(line);
        if (!m.hasMatch()) {
            if (allowed.match(line).hasMatch())
                continue;
            return refuse(n + 1, QStringLiteral("expected #define NAME value"));
        }
        const QString name = m.captured(1);
        const QString valueText = m.captured(3);
        long long value = 0;
        bool ok = true;
        if (valueText[0].isDigit())
            value = valueText.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                        ? valueText.mid(2).toLongLong(&ok, 16)
                        : valueText.toLongLong(&ok, 10);
        else if (symbols->contains(valueText))
            value = symbols->value(valueText);
        else
            ok = false;
        if (!ok)
            return refuse(n + 1, QStringLiteral("unknown value '%1'").arg(valueText));
        if (symbols->contains(name))
            return refuse(n + 1, QStringLiteral("'%1' is defined twice").arg(name));
        symbols->insert(name, static_cast<int>(m.captured(2).isEmpty() ? value : -value));
    }
    return {};
}
