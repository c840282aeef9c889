#pragma once
// The program's resources: the embedded resource script and header, parsed once.

#include "core/common/ResourceTypes.h"

// Parses the embedded script if not done yet. False (with the file and line) when it is
// malformed; the program then stops.
bool LoadResources(ResourceError* error);

// The parsed resources. Parses on first use; a malformed script ends the program with its file
// and line (the start-up code calls LoadResources first to report it properly).
const ResourceSet& Resources();

// Replaces the resources the program uses (tests of the screen framework use templates of their
// own); nullptr restores the embedded ones. The caller keeps the set alive while it is in use.
void OverrideResourcesForTesting(const ResourceSet* set);

// A string of the string table; "" when the id has none.
QString LoadString(int id);

// Parses a resource header and script read from files (used by tools and tests).
bool ParseResourceFiles(const QString& headerPath, const QString& scriptPath, ResourceSet* set,
                        ResourceError* error);
