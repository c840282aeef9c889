// trevallion-calc: runs one calculator from the command line, printing what its dialog shows.
#include "CalcCommand.h"

#include "Version.h"

#include "core/common/io/DeviceFolders.h"
#include "core/common/io/StandardOutputCheck.h"
#include "core/common/text/NumberText.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

QList<CalcCommand>& Registry() {
    static QList<CalcCommand> commands;
    return commands;
}

// A dialog caption as the dialog shows it: "Distance && Track" reads "Distance & Track".
QString ShownTitle(const QString& title) {
    return QString(title).replace(QLatin1String("&&"), QLatin1String("&"));
}

void PrintKeys(QTextStream& stream, const CalcCommand& c) {
    for (const CalcKey& k : c.keys)
        stream << " --" << k.key << (c.repeatableKeys ? " ..." : "")
               << (c.flags.contains(k.key) ? " (no value)" : "");
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
        stream << "  " << c.name << "  (" << ShownTitle(c.title) << ")\n     ";
        PrintKeys(stream, c);
        stream << '\n';
    }
}

// "trevallion-calc NAME --help": the calculator's keys with the dialog fields they fill.
void PrintCommandHelp(QTextStream& stream, const CalcCommand& c) {
    stream << "Usage: trevallion-calc " << c.name;
    for (const CalcKey& k : c.keys)
        stream << " [--" << k.key << (c.flags.contains(k.key) ? "" : " VALUE") << ']'
               << (c.repeatableKeys ? " ..." : "");
    stream << "\n" << ShownTitle(c.title) << ": a key left out is an empty field.\n";
    for (const CalcKey& k : c.keys)
        stream << "  --" << k.key << "  " << ShownTitle(k.label) << '\n';
}

bool IsHelp(const QString& arg) {
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

// A value that reads as a number too large for any field ("1e400" reads as infinity).
QString NonFiniteInput(const CalcArgs::Pairs& pairs) {
    for (const auto& [key, value] : pairs)
        if (!std::isfinite(TextToDouble(value)))
            return QStringLiteral("--") + key + ' ' + value;
    return {};
}

// An output that printed as "inf" or "nan": no number a pilot can use.
bool HasNonFiniteOutput(const CalcResult& result) {
    for (const CalcField& field : result.outputs)
        if (field.text.contains(QLatin1String("inf")) || field.text.contains(QLatin1String("nan")))
            return true;
    return false;
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
    if (args.isEmpty() || IsHelp(args.first())) {
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
    if (args.size() == 2 && IsHelp(args[1])) {
        PrintCommandHelp(out, *command);
        return 0;
    }
    CalcArgs::Pairs pairs;
    if (!ReadPairs(*command, args, &pairs, err))
        return 2;
    if (const QString bad = NonFiniteInput(pairs); !bad.isEmpty()) {
        err << "trevallion-calc: " << bad << " is not a finite number\n";
        return 1;
    }
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
    if (result.outputs.isEmpty() || HasNonFiniteOutput(result)) {
        if (result.notice)
            err << result.notice->text << '\n';
        err << "trevallion-calc: " << command->name
            << (result.outputs.isEmpty() ? " has nothing to show for these values"
                                         : " gives no finite result for these values")
            << " (see trevallion-calc " << command->name << " --help)\n";
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
