#pragma once
// Parsers of the resource header (symbols) and the resource script (dialogs, menus, strings).
// Both stop at the first error and report its file and line.

#include "core/common/resources/ResourceTypes.h"

// Reads "#define NAME value" lines into `symbols` (which may hold predefined names already).
bool ParseResourceHeader(const QString& text, const QString& fileName, QMap<QString, int>* symbols,
                         ResourceError* error);

// Parses a script into `set`, resolving names through set->symbols.
bool ParseResourceScript(const QString& text, const QString& fileName, ResourceSet* set,
                         ResourceError* error);

// The names every script may use without defining them: IDOK, IDCANCEL, IDYES, IDNO, IDC_STATIC.
QMap<QString, int> PredefinedResourceSymbols();
