// trevallion-calc: runs one calculator from the command line, printing what its dialog shows.
#include "CalcCommand.h"

#include "Version.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/io/StandardOutputCheck.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>

namespace {

QList<CalcCommand>& Registry() {
    static QList<CalcCommand> commands;
    return commands;
}

void PrintHelp(QTextStream& stream) {
    stream << "Usage: trevallion-calc NAME [--key value ...]\n"
              "Prints the calculator's results as 'Label: text' lines, exactly as its dialog\n"
              "shows them. A refused input prints the dialog's message on standard error and\n"
              "exits 1; bad usage exits 2.\n\nCalculators:\n";
    QList<CalcCommand> commands = CalcCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CalcCommand& a, const CalcCommand& b) { return a.name < b.name; });
    for (const CalcCommand& c : commands) {
        stream << "  " << c.name << "  (" << c.title << ")\n     ";
        for (const CalcKey& k : c.keys)
            stream << " --" << k.key << (c.repeatableKeys ? " ..." : "")
                   << (c.flags.contains(k.key) ? " (no value)" : "");
        stream << '\n';
    }
}

const CalcCommand* Find(const QString& name) {
    for (const CalcCommand& c : CalcCommands())
        if (c.name == name)
            return &c;
    return nullptr;
}

bool KnownKey(const CalcCommand& command, const QString& key) {
    return std::any_of(command.keys.begin(), command.keys.end(),
                       [&](const CalcKey& k) { return k.key == key; });
}

} // namespace

CalcCommandRegistration::CalcCommandRegistration(CalcCommand command) {
    Registry().append(std::move(command));
}

const QList<CalcCommand>& CalcCommands() {
    return Registry();
}

// Reads "--key value" pairs. Each problem is bad usage: an unknown key, a key without its value,
// or a key given twice (except for calculators that take steps in order, such as time-sum).
bool ReadPairs(const CalcCommand& command, const QStringList& args, CalcArgs::Pairs* pairs,
               QTextStream& err) {
    for (int i = 1; i < args.size(); i += 2) {
        const QString key = args[i].startsWith("--") ? args[i].mid(2) : QString();
        if (key.isEmpty() || !KnownKey(command, key)) {
            err << "trevallion-calc: unknown option '" << args[i] << "' for " << command.name
                << " (see --help)\n";
            return false;
        }
        if (command.flags.contains(key)) {
            pairs->append({key, QStringLiteral("yes")});
            --i; // a flag has no value to skip
            continue;
        }
        if (i + 1 >= args.size()) {
            err << "trevallion-calc: option '--" << key << "' needs a value\n";
            return false;
        }
        const bool repeated = std::any_of(pairs->begin(), pairs->end(),
                                          [&](const auto& pair) { return pair.first == key; });
        if (repeated && !command.repeatableKeys) {
            err << "trevallion-calc: option '--" << key << "' is given more than once\n";
            return false;
        }
        pairs->append({key, args[i + 1]});
    }
    return true;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const StandardOutputCheck outputCheck(out, err, "trevallion-calc");
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        PrintHelp(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == "--version") {
        out << "trevallion-calc " TREVALLION_VERSION_TEXT "\n";
        return 0;
    }
    // Calculators that read the program's data files (distance-track) find its shipped ones.
    LocateProgramFolder(QCoreApplication::applicationDirPath());
    const CalcCommand* command = Find(args.first());
    if (!command) {
        err << "trevallion-calc: unknown calculator '" << args.first() << "' (see --help)\n";
        return 2;
    }
    CalcArgs::Pairs pairs;
    if (!ReadPairs(*command, args, &pairs, err))
        return 2;
    const CalcArgs calcArgs(pairs);
    const CalcResult result = command->run(calcArgs);
    if (!calcArgs.UsageProblem().isEmpty()) {
        err << "trevallion-calc: " << calcArgs.UsageProblem() << '\n';
        return 2;
    }
    if (result.Stopped()) {
        err << result.stop->text << '\n';
        return 1;
    }
    for (const CalcField& field : result.outputs) {
        if (command->plainLines)
            out << field.text << '\n';
        else
            out << field.label << ": " << field.text << '\n';
    }
    if (result.notice)
        err << result.notice->text << '\n';
    return 0;
}
