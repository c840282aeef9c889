#include "core/common/text/DensityText.h"
#include "core/common/text/Format.h"

#include "core/common/Constants.h"
#include "core/common/text/NumberText.h"

QString ConvertDensityText(const QString& shown, bool toKilosPerLitre) {
    const double factor = toKilosPerLitre ? units::kPoundsPerGallonToKilosPerLitre
                                          : units::kKilosPerLitreToPoundsPerGallon;
    return FormatText("%.2f", TextToDouble(shown) * factor);
}
