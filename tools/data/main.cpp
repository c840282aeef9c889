// trevallion-data: inspects and converts the program's data files.
#include "DataCommand.h"

#include "Version.h"
#include "core/common/Outcome.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/io/StandardOutputCheck.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <fcntl.h>

namespace {

QList<DataCommand>& Registry() {
    static QList<DataCommand> commands;
    return commands;
}

void PrintUsage(QTextStream& stream) {
    stream << "Usage: trevallion-data COMMAND [ARGUMENTS]\n\nCommands:\n";
    QList<DataCommand> commands = DataCommands();
    std::sort(commands.begin(), commands.end(), [](const DataCommand& a, const DataCommand& b) {
        return qstrcmp(a.name, b.name) < 0;
    });
    for (const DataCommand& c : commands)
        stream << "  " << c.name << ' ' << c.usage << "\n      " << c.description << '\n';
}

// The arguments as texts. A file name that is not UTF-8 does not survive the text (its bytes would
// name another file), so such an argument that names a file is opened by its bytes and passed on
// as /proc/self/fd/N, the same file, open until the program ends. One that names nothing (an
// output to be made) is refused: it would be written under another name.
Outcome<QStringList> Arguments(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        const QString text = QFile::decodeName(argv[i]);
        if (QFile::encodeName(text) == QByteArrayView(argv[i])) {
            args.append(text);
            continue;
        }
        const int fd = ::open(argv[i], O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return Outcome<QStringList>::Fail(
                QStringLiteral("trevallion-data: %1: the name is not UTF-8 and names no file")
                    .arg(text));
        args.append(QStringLiteral("/proc/self/fd/%1").arg(fd));
    }
    return args;
}

} // namespace

DataCommandRegistration::DataCommandRegistration(const char* name, const char* usage,
                                                 const char* description,
                                                 int (*run)(const QStringList&, QTextStream&,
                                                            QTextStream&)) {
    Registry().append(DataCommand{name, usage, description, run});
}

const QList<DataCommand>& DataCommands() {
    return Registry();
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    LocateProgramFolder(QCoreApplication::applicationDirPath());
    QTextStream out(stdout);
    QTextStream err(stderr);
    const StandardOutputCheck outputCheck(out, err, "trevallion-data");
    Outcome<QStringList> arguments = Arguments(argc, argv);
    if (!arguments) {
        err << arguments.error().text << '\n';
        return 2;
    }
    QStringList args = std::move(arguments.value());
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        PrintUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == "--version") {
        out << "trevallion-data " TREVALLION_VERSION_TEXT "\n";
        return 0;
    }
    const QString name = args.takeFirst();
    for (const DataCommand& c : DataCommands()) {
        if (name == QLatin1String(c.name))
            return c.run(args, out, err);
    }
    err << "trevallion-data: unknown command '" << name << "'\n";
    PrintUsage(err);
    return 2;
}
