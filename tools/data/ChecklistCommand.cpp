// trevallion-data checklist: checklist.db as an indented outline and back.
#include "DataCommand.h"

#include "core/checklists/ChecklistData.h"
#include "core/checklists/ChecklistOutline.h"
#include "core/common/io/FileIo.h"

namespace {

constexpr char kChecklistUsage[] = "export FILE | import TEXT -o FILE [--force]";

int Usage(QTextStream& err) {
    err << "Usage: trevallion-data checklist " << kChecklistUsage << '\n';
    return 2;
}

int Fail(QTextStream& err, const QString& path, const Message& message) {
    err << "trevallion-data: " << path << ":\n" << message.text << '\n';
    return 1;
}

int Export(const QString& path, QTextStream& out, QTextStream& err) {
    ChecklistData data;
    const Status loaded = data.LoadChecklists(path);
    if (!loaded)
        return Fail(err, path, loaded.error());
    const Outcome<QString> outline = ChecklistOutlineText(data.Records());
    if (!outline)
        return Fail(err, path, outline.error());
    out << outline.value();
    return 0;
}

// An outline without a single record would wipe the user's checklists: it is written only with
// --force. The output folder must exist (a mistyped path is not created).
int Import(const QString& textPath, const QString& dbPath, bool force, QTextStream& err) {
    const Outcome<QByteArray> text = ReadWholeFile(
        textPath, QStringLiteral("Error:\nUnable to read the outline.\n"), kMaxDataFileBytes);
    if (!text)
        return Fail(err, textPath, text.error());
    const Outcome<QByteArray> area = ChecklistAreaFromOutline(text.value());
    if (!area)
        return Fail(err, textPath, area.error());
    ChecklistData data;
    Status done = data.ReplaceChecklists(area.value());
    if (done && data.Records().isEmpty() && !force)
        return Fail(err, textPath,
                    Message{QStringLiteral("Error:\nThe outline holds no checklist, so nothing was "
                                           "written.\nUse --force to write an empty checklist "
                                           "file.")});
    if (done)
        done = RequireParentFolder(dbPath);
    if (done)
        done = data.SaveChecklists(dbPath);
    if (!done)
        return Fail(err, dbPath, done.error());
    return 0;
}

int RunChecklist(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() == 2 && args[0] == QLatin1String("export"))
        return Export(args[1], out, err);
    const bool force = args.size() == 5 && args[4] == QLatin1String("--force");
    if ((args.size() == 4 || force) && args[0] == QLatin1String("import") &&
        args[2] == QLatin1String("-o"))
        return Import(args[1], args[3], force, err);
    return Usage(err);
}

const DataCommandRegistration kChecklist{
    "checklist", kChecklistUsage,
    "print a checklist.db as an indented outline (two spaces a level), or build one from it",
    &RunChecklist};

} // namespace
