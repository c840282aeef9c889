#include "core/common/DensityText.h"
#include "core/common/Format.h"

#include "core/common/Constants.h"
#include "core/common/NumberText.h"

QString ConvertDensityText(const QString& shown, bool toKilosPerLitre) {
    const double factor = toKilosPerLitre ? units::kPoundsPerGallonToKilosPerLitre
                                          : units::kKilosPerLitreToPoundsPerGallon;
    return FormatText("%.2f", TextToDouble(shown) * factor);
}
