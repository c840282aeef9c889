#pragma once
// printf-style formatting of the program's texts ("%.1f", "%u°", "%02u:%02u"), done by the C
// library's printf under the "C" locale: halves round as printf defines them (0.25 -> "0.2"
// with "%.1f", 2.5 -> "2" with "%.0f"), and the decimal mark is always ".". Qt's own
// QString::asprintf rounds ties differently, so texts are never made with it.
// The format is UTF-8 (so "°" may appear in it); the compiler checks the arguments.

#include <QString>

QString FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
