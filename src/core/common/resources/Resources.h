#pragma once
// The program's resources: the dialog templates, menus and strings of the resource script,
// compiled at build time (tools/rc) and embedded; read without parsing, a dialog template only
// when a screen first needs it.

#include "core/common/Outcome.h"
#include "core/common/resources/ResourceFiles.h"
#include "core/common/resources/ResourceTypes.h"

// Reads the embedded compiled resources if not done yet. Fails when they are damaged; the
// program then stops.
Status LoadResources();

// A dialog template, menu or raw data resource by id; nullptr when there is none. The objects
// live to the end of the process. Damaged resources end the program with their message (the
// start-up code calls LoadResources first to report it properly).
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);
const QVector<int>* FindRawData(int id);

// A string of the string table; "" when the id has none.
QString LoadString(int id);

// The whole set, every dialog template read (for tests and tools that go through all of them).
const ResourceSet& Resources();

// Replaces the resources the program uses (tests of the screen framework use templates of their
// own); nullptr restores the embedded ones. The caller keeps the set alive while it is in use.
void OverrideResourcesForTesting(const ResourceSet* set);
