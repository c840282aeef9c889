#include "core/navdata/NavFileWindow.h"

#include "core/common/io/FileIo.h"

Status NavFileWindow::Open(const QString& path) {
    Close();
    // A FIFO or a device at the path is refused at once instead of blocking the start.
    if (Status opened = OpenRegularFile(file_, path, true); !opened)
        return opened;
    size_ = file_.size();
    return {};
}

void NavFileWindow::Close() {
    if (file_.isOpen())
        file_.close();
    size_ = 0;
    ReleaseWindow();
}

QByteArray NavFileWindow::ReadAt(qint64 offset, qint64 count) {
    if (!IsOpen() || offset < 0 || offset >= size_ || count <= 0)
        return {};
    count = qMin(count, size_ - offset);
    if (!file_.seek(offset))
        return {};
    return file_.read(count);
}

void NavFileWindow::ReleaseWindow() {
    window_ = QByteArray();
    windowStart_ = 0;
}

bool NavFileWindow::Covers(qint64 offset, qint64 count) const {
    if (window_.isEmpty() || offset < windowStart_)
        return false;
    const qint64 end = qMin(offset + count, size_);
    return end <= windowStart_ + window_.size();
}

void NavFileWindow::Load(qint64 offset, qint64 count) {
    window_ = ReadAt(offset, count);
    windowStart_ = offset;
    // A file that shrank since it was opened ends where the read ended.
    if (window_.size() < qMin(count, size_ - offset))
        size_ = offset + window_.size();
}
