#include "core/common/resources/Resources.h"

#include "core/common/resources/ResourceBinary.h"

#include <QFile>
#include <QtGlobal>

namespace {

// Read on first use; the function-local static makes that thread safe. The set lives to the end
// of the process and is never destroyed: freeing its thousands of strings would only delay the
// exit.
const Outcome<ResourceSet>& Loaded() {
    static const auto* resources = new Outcome<ResourceSet>([]() -> Outcome<ResourceSet> {
        QFile file(QStringLiteral(":/trevallion.res"));
        if (!file.open(QIODevice::ReadOnly)) // embedded uncompressed: mapped, not copied
            return Outcome<ResourceSet>::Fail(QStringLiteral("no compiled resources"));
        const uchar* bytes = file.map(0, file.size());
        if (bytes == nullptr)
            return ReadCompiledResources(file.readAll());
        return ReadCompiledResources(
            QByteArrayView(reinterpret_cast<const char*>(bytes), file.size()));
    }());
    return *resources;
}

const ResourceSet* g_override = nullptr;

} // namespace

Status LoadResources() {
    const Outcome<ResourceSet>& r = Loaded();
    return r ? Status() : Status(r.error());
}

void OverrideResourcesForTesting(const ResourceSet* set) {
    g_override = set;
}

const ResourceSet& Resources() {
    if (g_override)
        return *g_override;
    const Outcome<ResourceSet>& r = Loaded();
    if (!r)
        qFatal("%s", qPrintable(r.error().text));
    return r.value();
}

QString LoadString(int id) {
    return Resources().strings.value(id);
}
