// trevallion-data: inspects and converts the program's data files.
#include "DataCommand.h"

#include "Version.h"
#include "core/common/io/DeviceFolders.h"
#include "core/common/io/StandardOutputCheck.h"

#include <QCoreApplication>

#include <algorithm>

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
    QStringList args = app.arguments().mid(1);
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
