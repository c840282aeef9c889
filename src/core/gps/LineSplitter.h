#pragma once
// Cuts a byte stream into lines at line feeds, for text protocols (gpsd's JSON reports). A line
// longer than the capacity is dropped whole, up to its line feed, so a stream without line
// feeds cannot grow memory.

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

class LineSplitter {
public:
    explicit LineSplitter(qsizetype capacity) : capacity_(capacity) {}

    // Adds bytes; every finished line that fits goes to consume, without its line feed.
    void Add(QByteArrayView bytes, const std::function<void(QByteArrayView line)>& consume);

private:
    qsizetype capacity_;
    QByteArray line_;
    bool overflowed_ = false; // the current line is too long: skip to its end
};
