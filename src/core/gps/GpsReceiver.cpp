#include "core/gps/GpsReceiver.h"

#include "core/gps/NmeaLineAssembler.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <system_error>
#include <unistd.h>

namespace {

// How long the reader waits for data before looking at the running flag again, and how long it
// rests after a read error (an unplugged device) before trying again.
constexpr int kPollMilliseconds = 250;
constexpr int kRetryMilliseconds = 250;

// One step below normal priority for the calling thread.
void LowerThreadPriority() {
    const pid_t thread = ::gettid();
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, static_cast<id_t>(thread));
    if (errno == 0)
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(thread), nice + 1);
}

void ClosePipe(int* readEnd, int* writeEnd) {
    for (int* fd : {readEnd, writeEnd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

} // namespace

Status GpsReceiver::StartGps(const QString& devicePath) {
    StopGps();
    Status opened = device_.Open(devicePath);
    if (!opened)
        return opened;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        const Message error = SystemErrorMessage(errno);
        device_.Close();
        return Status(error);
    }
    wakeRead_ = ends[0];
    wakeWrite_ = ends[1];
    fix_.SetOpen(true);
    running_ = true;
    try {
        thread_ = std::thread(&GpsReceiver::ReadLoop, this);
    } catch (const std::system_error& e) {
        running_ = false;
        fix_.SetOpen(false);
        device_.Close();
        ClosePipe(&wakeRead_, &wakeWrite_);
        return Status(SystemErrorMessage(e.code().value()));
    }
    return Status();
}

void GpsReceiver::StopGps() {
    if (!thread_.joinable())
        return;
    running_ = false;
    const char wake = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite_, &wake, 1);
    thread_.join();
    device_.Close();
    ClosePipe(&wakeRead_, &wakeWrite_);
    fix_.SetOpen(false);
}

void GpsReceiver::ReadLoop() {
    LowerThreadPriority();
    NmeaLineAssembler lines;
    while (running_) {
        pollfd fds[2] = {{device_.Descriptor(), POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, kPollMilliseconds);
        if (ready < 0 && errno != EINTR) {
            WaitForStop(kRetryMilliseconds);
            continue;
        }
        if (ready <= 0 || (fds[1].revents & POLLIN))
            continue; // timed out, interrupted, or asked to stop: the loop condition decides
        bool failed = (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0;
        if ((fds[0].revents & POLLIN) && !ReadAvailableBytes(lines))
            failed = true;
        if (failed)
            WaitForStop(kRetryMilliseconds);
    }
}

// Reads the waiting bytes one at a time and publishes every finished sentence. False at the end
// of input or on a device error, after which the reader rests before reading again.
bool GpsReceiver::ReadAvailableBytes(NmeaLineAssembler& lines) {
    char byte = 0;
    while (running_) {
        const ssize_t n = ::read(device_.Descriptor(), &byte, 1);
        if (n == 1) {
            if (const std::optional<QByteArray> sentence = lines.Add(byte))
                fix_.ApplySentence(*sentence);
            continue;
        }
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR);
    }
    return true;
}

// Sleeps up to the given time, waking at once when StopGps is called.
void GpsReceiver::WaitForStop(int milliseconds) const {
    pollfd wake{wakeRead_, POLLIN, 0};
    ::poll(&wake, 1, milliseconds);
}
