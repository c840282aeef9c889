#include "core/common/Resources.h"

#include "core/common/ResourceScript.h"

#include <QFile>
#include <QtGlobal>

namespace {

bool ReadUtf8File(const QString& path, QString* text, ResourceError* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = {path, 0, file.errorString()};
        return false;
    }
    *text = QString::fromUtf8(file.readAll());
    return true;
}

struct LoadedResources {
    bool ok = false;
    ResourceSet set;
    ResourceError error;
};

// Parsed on first use; the function-local static makes that thread safe.
const LoadedResources& Loaded() {
    static const LoadedResources resources = [] {
        LoadedResources r;
        r.ok = ParseResourceFiles(QStringLiteral(":/resource.h"), QStringLiteral(":/trevallion.rc"),
                                  &r.set, &r.error);
        return r;
    }();
    return resources;
}

const ResourceSet* g_override = nullptr;

} // namespace

bool ParseResourceFiles(const QString& headerPath, const QString& scriptPath, ResourceSet* set,
                        ResourceError* error) {
    QString header, script;
    if (!ReadUtf8File(headerPath, &header, error) || !ReadUtf8File(scriptPath, &script, error))
        return false;
    set->symbols = PredefinedResourceSymbols();
    return ParseResourceHeader(header, QStringLiteral("resource.h"), &set->symbols, error) &&
           ParseResourceScript(script, QStringLiteral("trevallion.rc"), set, error);
}

bool LoadResources(ResourceError* error) {
    const LoadedResources& r = Loaded();
    if (!r.ok && error)
        *error = r.error;
    return r.ok;
}

void OverrideResourcesForTesting(const ResourceSet* set) {
    g_override = set;
}

const ResourceSet& Resources() {
    if (g_override)
        return *g_override;
    const LoadedResources& r = Loaded();
    if (!r.ok)
        qFatal("%s", qPrintable(r.error.ToText()));
    return r.set;
}

QString LoadString(int id) {
    return Resources().strings.value(id);
}
