#include "core/common/resources/Resources.h"

#include "core/common/resources/ResourceBinary.h"

#include <QResource>
#include <QtGlobal>

namespace {

// The embedded bytes, in place in the program's image: the build embeds them uncompressed (bytes
// embedded otherwise read as damaged).
QByteArrayView EmbeddedBytes() {
    const QResource resource(QStringLiteral(":/trevallion.res"));
    if (!resource.isValid())
        return {};
    return {reinterpret_cast<const char*>(resource.data()), resource.size()};
}

// Read on first use; the function-local statics make that thread safe. The objects live to the
// end of the process and are never destroyed: freeing thousands of strings would only delay the
// exit.
struct Loaded {
    CompiledResources resources;
    Status status;
};

const Loaded& Embedded() {
    static const auto* loaded = [] {
        auto* read = new Loaded;
        const QByteArrayView bytes = EmbeddedBytes();
        read->status = bytes.isEmpty() ? Status::Fail(QStringLiteral("no compiled resources"))
                                       : read->resources.Open(bytes);
        return read;
    }();
    return *loaded;
}

const CompiledResources& Compiled() {
    const Loaded& loaded = Embedded();
    if (!loaded.status)
        qFatal("%s", qPrintable(loaded.status.error().text));
    return loaded.resources;
}

const ResourceSet* g_override = nullptr;

template <typename Map> const typename Map::mapped_type* Find(const Map& map, int id) {
    const auto found = map.constFind(id);
    return found == map.constEnd() ? nullptr : &*found;
}

} // namespace

Status LoadResources() {
    return Embedded().status;
}

void OverrideResourcesForTesting(const ResourceSet* set) {
    g_override = set;
}

const DialogTemplate* FindDialogTemplate(int id) {
    return g_override ? Find(g_override->dialogs, id) : Compiled().Dialog(id);
}

const MenuTemplate* FindMenuTemplate(int id) {
    return Find(g_override ? g_override->menus : Compiled().Menus(), id);
}

const QVector<int>* FindRawData(int id) {
    return Find(g_override ? g_override->rawData : Compiled().RawData(), id);
}

QString LoadString(int id) {
    return (g_override ? g_override->strings : Compiled().Strings()).value(id);
}

const ResourceSet& Resources() {
    if (g_override)
        return *g_override;
    static const auto* whole = [] {
        Outcome<ResourceSet> read = ReadCompiledResources(EmbeddedBytes());
        if (!read)
            qFatal("%s", qPrintable(read.error().text));
        return new ResourceSet(std::move(read.value()));
    }();
    return *whole;
}
