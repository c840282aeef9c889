#pragma once
// The open navigation data file, read through a window of bytes held in memory, so that a
// look-up costs one seek and one read and a search reads the file in large pieces. Nothing is
// read past the size the file had when it was opened; a closed file reads as empty.

#include <QByteArray>
#include <QFile>

#include "core/common/Outcome.h"
#include "core/common/io/ByteReader.h"

enum class ParseStatus { Ok, Damaged, OutOfData };

class NavFileWindow {
public:
    // Fails with the system's reason when the file cannot be opened.
    Status Open(const QString& path);
    void Close();
    bool IsOpen() const { return file_.isOpen(); }
    qint64 Size() const { return size_; }

    // Reads up to `count` bytes at `offset` (fewer at the end of the file; empty when closed or
    // when the offset is outside the file).
    QByteArray ReadAt(qint64 offset, qint64 count);

    // Runs parse(ByteReader&) on a reader positioned at `offset`, loading `loadBytes` from there
    // when the window does not hold the offset. When the parse runs out of data (the reader
    // failed) before the end of the file, a larger window is loaded and the parse runs again.
    // Returns what the last parse returned; Damaged when the offset is outside the file.
    template <typename Parse> ParseStatus ParseAt(qint64 offset, qint64 loadBytes, Parse&& parse);

    // Frees the window (after a search).
    void ReleaseWindow();

private:
    bool Covers(qint64 offset, qint64 count) const;
    void Load(qint64 offset, qint64 count);
    bool WindowReachesEnd() const { return windowStart_ + window_.size() >= size_; }

    QFile file_;
    qint64 size_ = 0;
    QByteArray window_;
    qint64 windowStart_ = 0;
};

template <typename Parse>
ParseStatus NavFileWindow::ParseAt(qint64 offset, qint64 loadBytes, Parse&& parse) {
    if (!IsOpen() || offset < 0 || offset >= size_)
        return ParseStatus::Damaged;
    qint64 need = 1;
    for (;;) {
        if (!Covers(offset, need))
            Load(offset, qMax(need, loadBytes));
        ByteReader in(window_);
        if (offset < windowStart_ || !in.Seek(offset - windowStart_))
            return ParseStatus::Damaged; // the file could not be read
        const ParseStatus status = parse(in);
        if (status != ParseStatus::OutOfData || WindowReachesEnd())
            return status;
        need = 2 * (windowStart_ + window_.size() - offset) + loadBytes; // more than was there
    }
}
