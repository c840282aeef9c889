#include "core/gps/LineSplitter.h"

void LineSplitter::Add(QByteArrayView bytes,
                       const std::function<void(QByteArrayView line)>& consume) {
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        const QByteArrayView part = end < 0 ? bytes : bytes.first(end);
        if (!overflowed_ && line_.size() + part.size() <= capacity_)
            line_.append(part);
        else {
            overflowed_ = true;
            line_.clear();
        }
        if (end < 0)
            return;
        if (!overflowed_)
            consume(line_);
        line_.clear();
        overflowed_ = false;
        bytes = bytes.sliced(end + 1);
    }
}
