#include "core/common/resources/ResourceFiles.h"

#include "core/common/io/FileIo.h"
#include "core/common/resources/ResourceScript.h"

Outcome<ResourceSet> ParseResourceFiles(const QString& headerPath, const QString& scriptPath) {
    const Outcome<QByteArray> header =
        ReadWholeFile(headerPath, headerPath + QStringLiteral(": "), kMaxDataFileBytes);
    if (!header)
        return header.error();
    const Outcome<QByteArray> script =
        ReadWholeFile(scriptPath, scriptPath + QStringLiteral(": "), kMaxDataFileBytes);
    if (!script)
        return script.error();
    ResourceSet set;
    set.symbols = PredefinedResourceSymbols();
    if (const Status symbols = ParseResourceHeader(QString::fromUtf8(header.value()),
                                                   QStringLiteral("resource.h"), &set.symbols);
        !symbols)
        return symbols.error();
    if (const Status parsed = ParseResourceScript(QString::fromUtf8(script.value()),
                                                  QStringLiteral("trevallion.rc"), &set);
        !parsed)
        return parsed.error();
    return set;
}
