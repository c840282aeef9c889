#include "core/gps/GpsReceiver.h"

#include "core/gps/SerialDevice.h"
#include "core/gps/SerialGpsSource.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <system_error>
#include <unistd.h>

namespace {

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
    return StartGps(std::make_unique<SerialGpsSource>(devicePath));
}

Status GpsReceiver::StartGps(std::unique_ptr<GpsSource> source) {
    StopGps();
    Status opened = source->Open();
    if (!opened)
        return opened;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        const Message error = SystemErrorMessage(errno);
        source->Close();
        return Status(error);
    }
    wakeRead_ = ends[0];
    wakeWrite_ = ends[1];
    source_ = std::move(source);
    fix_.SetOpen(true);
    running_ = true;
    try {
        thread_ = std::thread(&GpsReceiver::ReadLoop, this);
    } catch (const std::system_error& e) {
        running_ = false;
        fix_.SetOpen(false);
        source_->Close();
        source_.reset();
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
    source_->Close();
    source_.reset();
    ClosePipe(&wakeRead_, &wakeWrite_);
    fix_.SetOpen(false);
}

void GpsReceiver::ReadLoop() {
    LowerThreadPriority();
    GpsReaderContext context(fix_, running_, wakeRead_);
    source_->Read(context);
}
