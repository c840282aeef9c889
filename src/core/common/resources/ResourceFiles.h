#pragma once
// The resource header and script read from files and parsed (the build's resource compiler,
// tools and tests; the program itself reads the compiled form).

#include "core/common/Outcome.h"
#include "core/common/resources/ResourceTypes.h"

// The parsed header and script. Fails with "FILE:LINE: message" for the first error, or with the
// reason a file could not be read.
Outcome<ResourceSet> ParseResourceFiles(const QString& headerPath, const QString& scriptPath);
