// Flight plan files (.fp, read as 8-bit text). A file that reads holds text only; its values
// hold no carriage return; and when no value holds an "=" (which could pose as another key), the
// plan written from them reads back as the same plan.

#include "FuzzSupport.h"

#include "core/common/io/FileIo.h"
#include "core/planning/FlightPlanFile.h"

namespace {

bool HasEquals(const PlanInputs& p) {
    for (const QString* value : {&p.aircraft, &p.tas, &p.route, &p.windDirection, &p.windSpeed}) {
        if (value->contains(u'=') || value->contains(u'\r'))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("plan.fp"), FuzzBytes(data, size));
    const Outcome<QString> text = ReadFlightPlanFile(path);
    if (!text.ok())
        return 0;
    FUZZ_CHECK(static_cast<size_t>(text.value().size()) == size);
    for (const QChar c : text.value())
        FUZZ_CHECK(c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r');
    const PlanInputs inputs = ParseFlightPlanText(text.value());
    for (const QString* value :
         {&inputs.aircraft, &inputs.tas, &inputs.route, &inputs.windDirection, &inputs.windSpeed})
        FUZZ_CHECK(!value->contains(u'\r'));
    if (HasEquals(inputs) || MakeFlightPlanText(inputs).size() > kMaxTextFileBytes)
        return 0;
    FUZZ_CHECK(ParseFlightPlanText(MakeFlightPlanText(inputs)) == inputs);
    FUZZ_CHECK(WriteFlightPlanFile(path, inputs).ok());
    const Outcome<QString> again = ReadFlightPlanFile(path);
    FUZZ_CHECK(again.ok() && ParseFlightPlanText(again.value()) == inputs);
    return 0;
}
