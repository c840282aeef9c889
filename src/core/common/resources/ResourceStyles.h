#pragma once
// The style names a resource script may use: every one the program's script writes and every one
// the controls read. The parser refuses any other name, so a mistyped style is a build error
// rather than a style that nothing reads.

#include <QString>

bool IsKnownResourceStyle(const QString& name);
