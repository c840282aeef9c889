#pragma once
// The compiled form of the resources: a ResourceSet written field by field (Qt data stream,
// little-endian) after a magic word and a format version. The build compiles the resource
// script into it (tools/rc), checks that it reads back equal to the parsed script, and embeds
// it; the program reads it at start without tokenising or parsing any text.

#include "core/common/Outcome.h"
#include "core/common/resources/ResourceTypes.h"

#include <QByteArray>
#include <QByteArrayView>

QByteArray CompileResources(const ResourceSet& set);

// The set held by compiled bytes. Fails with "damaged compiled resources" for bytes of another
// format version, cut short, or with anything after the set.
Outcome<ResourceSet> ReadCompiledResources(QByteArrayView bytes);
