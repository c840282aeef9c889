#include "core/gps/GpsSettings.h"
#include "core/common/settings/AppSettings.h"
#include "core/common/settings/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace {

TEST(GpsSettings, OkStoresThresholdAndPortTogether) {
    const struct {
        const char* typed;
        uint32_t stored;
    } cases[] = {{"40", 40}, {" 55knots", 55}, {"", 0}, {"-5", 0}};
    for (const auto& c : cases) {
        MemorySettingsStore store;
        AppSettings settings;
        SaveGpsSettings(store, settings, QString::fromLatin1(c.typed), 101);
        EXPECT_EQ(settings.takeoffGroundSpeed, c.stored) << c.typed;
        EXPECT_EQ(settings.gpsPort, 101u);
        EXPECT_EQ(store.WriteLog(),
                  QStringList({QString::asprintf("TakeoffGS=%u", c.stored), "GPSPort=101"}));
        EXPECT_EQ(TakeoffSpeedText(settings), QString::number(c.stored));
    }
}

} // namespace
