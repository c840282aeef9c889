#pragma once
// What every fuzz target shares: the property check, the input as bytes, and a private folder for
// targets whose parser reads a file by its path.
//
// A property that does not hold prints the broken condition and aborts: libFuzzer then keeps the
// input as a crash, and the corpus replay in the test suite fails.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? static_cast<void>(0) : FuzzFail(#condition, __FILE__, __LINE__))

[[noreturn]] void FuzzFail(const char* condition, const char* file, int line);

// A copy of the input (the parsers may keep their data beyond the call).
QByteArray FuzzBytes(const uint8_t* data, size_t size);

// A folder of the process's own, removed at exit.
QString FuzzFolder();

// Writes the bytes to FuzzFolder()/name and returns the path; aborts when the write fails.
QString WriteFuzzFile(const QString& name, const QByteArray& bytes);

// The input cut at each occurrence of `separator` into exactly `count` parts (missing parts are
// empty, the last one takes the rest), so that one input can carry several files.
QList<QByteArray> SplitFuzzInput(const QByteArray& input, char separator, int count);

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
