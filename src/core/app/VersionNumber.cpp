#include "core/app/VersionNumber.h"

#include "Version.h"

uint32_t PackVersion(uint32_t major, uint32_t minor, uint32_t build) {
    return (major << 8) | ((minor & 0xFFu) << 4) | build;
}

uint32_t ProgramVersionWord() {
    return PackVersion(TREVALLION_VERSION_MAJOR, TREVALLION_VERSION_MINOR,
                       TREVALLION_VERSION_PATCH);
}
