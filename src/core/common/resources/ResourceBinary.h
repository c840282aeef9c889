#pragma once
// The compiled form of the resources: a ResourceSet written field by field (Qt data stream,
// little-endian) after a magic word and a format version: first the menus, strings and raw data,
// then each dialog template as a counted block of its own behind its id, last the symbols. The
// build compiles the resource script into it (tools/rc), checks that it reads back equal to the
// parsed script, and embeds it. The program reads it without tokenising or parsing any text,
// and reads a dialog template only when a screen first needs it.

#include "core/common/Outcome.h"
#include "core/common/resources/ResourceTypes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QMutex>

#include <map>

QByteArray CompileResources(const ResourceSet& set);

// The set held by compiled bytes. Fails with "damaged compiled resources" for bytes of another
// format version, cut short, or with anything after the set.
Outcome<ResourceSet> ReadCompiledResources(QByteArrayView bytes);

// The compiled resources as the program uses them: the menus, strings and raw data read at once,
// each dialog template read the first time it is asked for (most screens are never opened in a
// session), the symbols never. Safe to use from any thread.
class CompiledResources {
public:
    // Reads the menus, strings and raw data and notes where each dialog template lies. Fails with
    // "damaged compiled resources" for bytes of another format version or cut short. The bytes
    // must stay valid as long as this object.
    Status Open(QByteArrayView bytes);

    const QMap<int, MenuTemplate>& Menus() const { return head_.menus; }
    const QMap<int, QString>& Strings() const { return head_.strings; }
    const QMap<int, QVector<int>>& RawData() const { return head_.rawData; }
    // The dialog template with this id; nullptr when there is none or its block is damaged.
    const DialogTemplate* Dialog(int id) const;

private:
    ResourceSet head_;                              // without dialogs and symbols
    QHash<int, QByteArrayView> blocks_;             // each dialog template's block
    mutable QMutex mutex_;                          // guards dialogs_
    mutable std::map<int, DialogTemplate> dialogs_; // read so far; a map keeps them in place
};
