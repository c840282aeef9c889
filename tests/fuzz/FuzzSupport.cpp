#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

void FuzzFail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

QByteArray FuzzBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QString FuzzFolder() {
    static const std::unique_ptr<QTemporaryDir> folder = [] {
        // Memory-backed where the system has it: file-reading targets write every input.
        const bool shm = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
        auto made =
            shm ? std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/trevallion-fuzz-XXXXXX"))
                : std::make_unique<QTemporaryDir>();
        if (!made->isValid())
            FuzzFail("a temporary folder can be made", __FILE__, __LINE__);
        return made;
    }();
    return folder->path() + QLatin1Char('/');
}

QString WriteFuzzFile(const QString& name, const QByteArray& bytes) {
    const QString path = FuzzFolder() + name;
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(bytes) == bytes.size() && file.flush();
    if (!written)
        FuzzFail("the input can be written to a file", __FILE__, __LINE__);
    return path;
}

QList<QByteArray> SplitFuzzInput(const QByteArray& input, char separator, int count) {
    QList<QByteArray> parts;
    qsizetype start = 0;
    while (parts.size() < count - 1) {
        const qsizetype end = input.indexOf(separator, start);
        if (end < 0)
            break;
        parts.append(input.mid(start, end - start));
        start = end + 1;
    }
    parts.append(input.mid(start));
    while (parts.size() < count)
        parts.append(QByteArray());
    return parts;
}

// Some parsers reach Qt facilities that expect an application object (file engines, time zones).
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static int appArgc = 1;
    static char name[] = "trevallion-fuzz";
    static char* appArgv[] = {name, nullptr};
    static QCoreApplication app(appArgc, appArgv);
    return 0;
}
