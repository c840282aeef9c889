#pragma once
// Parsers of the resource header (symbols) and the resource script (dialogs, menus, strings).
// Both stop at the first error and report its file and line.

#include "core/common/Outcome.h"
#include "core/common/resources/ResourceTypes.h"

// Reads "#define NAME value" lines into `symbols` (which may hold predefined names already).
// Fails with "FILE:LINE: message" for the first line it cannot take.
Status ParseResourceHeader(const QString& text, const QString& fileName,
                           QMap<QString, int>* symbols);

// Parses a script into `set`, resolving names through set->symbols; a style name must be known
// (IsKnownResourceStyle). Fails with "FILE:LINE: message" for the first error.
Status ParseResourceScript(const QString& text, const QString& fileName, ResourceSet* set);

// The names every script may use without defining them: IDOK, IDCANCEL, IDYES, IDNO, IDC_STATIC.
QMap<QString, int> PredefinedResourceSymbols();
