#include "core/planning/FlightPlanFile.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/io/KeyValueText.h"

#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Text holds no control characters other than tab, line feed and carriage return.
bool IsText(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
               c != QLatin1Char('\r');
    });
}

} // namespace

QString FlightPlanFolder() {
    return DocumentsFolder() + QStringLiteral("/Orvenda/Plan");
}

QString MakeFlightPlanText(const PlanInputs& inputs) {
    return QStringLiteral("Aircraft=") + inputs.aircraft + kCrLf + QStringLiteral("TAS=") +
           inputs.tas + kCrLf + QStringLiteral("Route=") + inputs.route + kCrLf +
           QStringLiteral("WindDir=") + StoredWindDirection(inputs) + kCrLf +
           QStringLiteral("WindSpeed=") + inputs.windSpeed + kCrLf;
}

PlanInputs ParseFlightPlanText(const QString& text) {
    PlanInputs inputs;
    inputs.aircraft = GetKeyValue(text, QStringLiteral("Aircraft"));
    inputs.tas = GetKeyValue(text, QStringLiteral("TAS"));
    inputs.route = GetKeyValue(text, QStringLiteral("Route"));
    ApplyStoredWindDirection(GetKeyValue(text, QStringLiteral("WindDir")), &inputs);
    inputs.windSpeed = GetKeyValue(text, QStringLiteral("WindSpeed"));
    return inputs;
}

Outcome<QString> ReadFlightPlanFile(const QString& path) {
    Outcome<QString> text = ReadTextFile(path);
    if (text.ok() && !IsText(text.value()))
        return Message{
            QStringLiteral("Error, Unable to open file.\nThe file is not a flight plan."),
            MessageIcon::None};
    return text;
}

Status WriteFlightPlanFile(const QString& path, const PlanInputs& inputs) {
    return WriteTextFile(path, MakeFlightPlanText(inputs));
}
