#include "core/gps/SerialGpsSource.h"

#include "core/gps/NmeaLineAssembler.h"

namespace {

// How long the reader rests after a read error before trying again.
constexpr int kRetryMilliseconds = 250;

} // namespace

void SerialGpsSource::Read(GpsReaderContext& context) {
    NmeaLineAssembler lines;
    while (ReadDescriptor(device_.Descriptor(), context, lines) == DescriptorEnd::Failed)
        if (!context.Wait(kRetryMilliseconds))
            return;
}
