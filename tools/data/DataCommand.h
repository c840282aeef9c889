#pragma once
// Subcommands of trevallion-data. A subcommand registers itself with a static
// DataCommandRegistration in its own source file:
//
//   static const DataCommandRegistration kAircraft{"aircraft", "FILE | --default",
//       "print the fleet of an aircraft.db as JSON", &RunAircraft};
//
// Run gets the arguments after the subcommand name and returns the exit code:
// 0 success, 1 the data could not be read or written (message on standard error), 2 bad usage.

#include <QStringList>
#include <QTextStream>

struct DataCommand {
    const char* name;
    const char* usage;       // arguments after the name
    const char* description; // one line
    int (*run)(const QStringList& args, QTextStream& out, QTextStream& err);
};

struct DataCommandRegistration {
    DataCommandRegistration(const char* name, const char* usage, const char* description,
                            int (*run)(const QStringList&, QTextStream&, QTextStream&));
};

const QList<DataCommand>& DataCommands();
