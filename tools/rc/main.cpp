// trevallion-rc HEADER SCRIPT OUTPUT: compiles the resource script into the form the program
// embeds (ResourceBinary.h), after checking that the compiled form reads back equal to the
// parsed script. A parse error prints FILE:LINE: message and exits 1, so the build stops there.
#include "core/common/io/FileIo.h"
#include "core/common/resources/ResourceBinary.h"
#include "core/common/resources/ResourceFiles.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "Usage: trevallion-rc HEADER SCRIPT OUTPUT\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[3]);
    const Outcome<ResourceSet> parsed =
        ParseResourceFiles(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    if (!parsed) {
        std::fprintf(stderr, "%s\n", qPrintable(parsed.error().text));
        return 1;
    }
    const QByteArray compiled = CompileResources(parsed.value());
    const Outcome<ResourceSet> readBack = ReadCompiledResources(compiled);
    if (!readBack || !(readBack.value() == parsed.value())) {
        std::fprintf(stderr, "%s: the compiled resources differ from the parsed script\n", argv[2]);
        return 1;
    }
    const Status written = WriteWholeFile(output, compiled, output + QStringLiteral(": "));
    if (!written) {
        std::fprintf(stderr, "%s\n", qPrintable(written.error().text));
        return 1;
    }
    return 0;
}
