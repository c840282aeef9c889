#include "core/common/io/StandardOutputCheck.h"

#include <QFileDevice>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

Status StandardOutputCheck::Flush(QTextStream& out) {
    out.flush();
    if (out.status() != QTextStream::Ok) {
        // The write that failed may have been an earlier one, when the stream's buffer filled:
        // its file keeps the reason.
        const auto* file = qobject_cast<const QFileDevice*>(out.device());
        return Status::Fail(file ? file->errorString()
                                 : QString::fromLocal8Bit(std::strerror(EIO)));
    }
    if (std::fflush(stdout) != 0)
        return Status::Fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (std::ferror(stdout) != 0)
        return Status::Fail(QString::fromLocal8Bit(std::strerror(EIO)));
    return {};
}

StandardOutputCheck::~StandardOutputCheck() {
    const Status flushed = Flush(out_);
    if (flushed)
        return;
    err_ << program_ << ": the output could not be written: " << flushed.error().text << '\n';
    err_.flush();
    std::_Exit(1); // the status main() returned would claim success
}
