#pragma once
// The end of a command-line program: its standard output must have reached the file, pipe or
// terminal whole. A full disk or /dev/full fails a write only when the buffers are flushed,
// after the last line was "printed", so without this check an export cut short would end with
// status 0. Declared right after the program's streams, the check is destroyed first when main()
// returns: it flushes the output and, when a write failed, prints the reason and ends the
// program with status 1.

#include "core/common/Outcome.h"

#include <QTextStream>

class StandardOutputCheck {
public:
    StandardOutputCheck(QTextStream& out, QTextStream& err, const char* program)
        : out_(out), err_(err), program_(program) {}
    ~StandardOutputCheck();
    StandardOutputCheck(const StandardOutputCheck&) = delete;
    StandardOutputCheck& operator=(const StandardOutputCheck&) = delete;

    // Flushes `out` and the C library's standard output. On failure: the system's reason.
    static Status Flush(QTextStream& out);

private:
    QTextStream& out_;
    QTextStream& err_;
    const char* program_;
};
