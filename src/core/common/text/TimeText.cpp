#include "core/common/text/TimeText.h"

#include "core/common/Constants.h"
#include "core/common/text/NumberText.h"

Outcome<std::optional<double>> ReadTimeText(QStringView text) {
    if (text.isEmpty())
        return std::optional<double>();
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0 || text.indexOf(u':', colon + 1) >= 0)
        return Outcome<std::optional<double>>::Fail(QString::fromUtf8(kInvalidTimeFormatText),
                                                    MessageIcon::Information);
    const double hours = TextToDouble(text.left(colon));
    const double minutes = TextToDouble(text.mid(colon + 1));
    return std::optional<double>(hours + minutes * units::kOneSixtieth);
}
