#include "core/gps/GpsSource.h"

#include "core/gps/GpsFix.h"
#include "core/gps/NmeaLineAssembler.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace {

// How long a read waits for data before looking at the stop request again.
constexpr int kPollMilliseconds = 250;

} // namespace

bool GpsReaderContext::Wait(int milliseconds) const {
    if (!Running())
        return false;
    pollfd wake{wake_, POLLIN, 0};
    ::poll(&wake, 1, milliseconds);
    return Running();
}

void GpsReaderContext::ApplySentence(QByteArrayView sentence) {
    fix_.ApplySentence(sentence);
}

void GpsReaderContext::Feed(QByteArrayView bytes, NmeaLineAssembler& lines) {
    for (char byte : bytes)
        if (const std::optional<QByteArray> sentence = lines.Add(byte))
            fix_.ApplySentence(*sentence);
}

void GpsReaderContext::ApplyValues(const GpsValues& values) {
    fix_.ApplyValues(values);
}

DescriptorEnd ReadDescriptor(int fd, GpsReaderContext& context, NmeaLineAssembler& lines) {
    return ReadDescriptor(fd, context,
                          [&context, &lines](QByteArrayView bytes) { context.Feed(bytes, lines); });
}

DescriptorWait WaitForDescriptor(int fd, const GpsReaderContext& context, short* revents) {
    pollfd fds[2] = {{fd, POLLIN, 0}, {context.WakeDescriptor(), POLLIN, 0}};
    const int ready = ::poll(fds, 2, kPollMilliseconds);
    *revents = fds[0].revents;
    if (ready < 0 && errno != EINTR)
        return DescriptorWait::Failed;
    if (ready <= 0 || (fds[1].revents & POLLIN))
        return DescriptorWait::Idle;
    return DescriptorWait::Ready;
}

DescriptorEnd ReadDescriptor(int fd, GpsReaderContext& context,
                             const std::function<void(QByteArrayView)>& consume) {
    char buffer[512];
    while (context.Running()) {
        short revents = 0;
        const DescriptorWait wait = WaitForDescriptor(fd, context, &revents);
        if (wait == DescriptorWait::Failed)
            return DescriptorEnd::Failed;
        if (wait == DescriptorWait::Idle)
            continue; // the loop condition decides
        if (revents & POLLIN) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                consume(QByteArrayView(buffer, n));
                continue;
            }
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
                continue;
            return DescriptorEnd::Failed; // end of input or a device error
        }
        if (revents & (POLLERR | POLLHUP | POLLNVAL))
            return DescriptorEnd::Failed;
    }
    return DescriptorEnd::Stopped;
}
