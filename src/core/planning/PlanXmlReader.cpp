#include "core/planning/PlanXmlReader.h"

#include <cmath>

namespace {
constexpr qsizetype kShownChars = 40; // of a wrong value in a message
} // namespace

PlanXmlReader::PlanXmlReader(const QByteArray& bytes) : xml_(bytes) {}

bool PlanXmlReader::ReadRoot() {
    while (!xml_.atEnd()) {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (token == QXmlStreamReader::DTD) {
            Fail(QStringLiteral("it declares a document type (DTD), which plan files never do."));
            return false;
        }
        if (token == QXmlStreamReader::StartElement) {
            namespace_ = xml_.namespaceUri().toString();
            return true;
        }
    }
    return false;
}

bool PlanXmlReader::NextChild() {
    return !xml_.hasError() && xml_.readNextStartElement();
}

bool PlanXmlReader::Is(const char* name) const {
    return xml_.name() == QLatin1String(name) && xml_.namespaceUri() == namespace_;
}

QString PlanXmlReader::Text() {
    return xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement).trimmed();
}

QString PlanXmlReader::Attribute(const char* name) const {
    return xml_.attributes().value(QLatin1String(name)).toString().trimmed();
}

std::optional<double> PlanXmlReader::Checked(const char* what, const QString& text, double limit) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (ok && std::isfinite(value) && std::fabs(value) <= limit)
        return value;
    Fail(QStringLiteral("%1 \"%2\" is not a number from -%3 to %3.")
             .arg(QLatin1String(what), text.left(kShownChars), QString::number(limit)));
    return std::nullopt;
}

std::optional<double> PlanXmlReader::Number(const char* what, double limit) {
    const QString text = Text();
    if (xml_.hasError())
        return std::nullopt;
    return Checked(what, text, limit);
}

std::optional<double> PlanXmlReader::AttributeNumber(const char* name, double limit) {
    return Checked(name, Attribute(name), limit);
}

void PlanXmlReader::Fail(const QString& problem) {
    if (!xml_.hasError())
        xml_.raiseError(problem);
}

bool PlanXmlReader::Finish() {
    while (!xml_.atEnd())
        xml_.readNext();
    return !xml_.hasError();
}

QString PlanXmlReader::Problem() const {
    return QStringLiteral("The file is damaged at line %1: %2")
        .arg(QString::number(xml_.lineNumber()), xml_.errorString());
}
