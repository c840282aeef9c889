#pragma once
// Numbers typed into fields or stored as text. Both readers behave like the C library's
// wide-string conversions with the "C" locale: leading white space is skipped, the number ends
// at the first character that does not fit, and text without a number gives 0. The decimal
// mark is always ".", whatever the user's locale says.

#include <QStringView>

// Decimal number: optional sign, digits with an optional ".", an optional exponent.
// "  12.5abc" -> 12.5, "abc" -> 0, "-3" -> -3. Words such as "inf" or "nan" are no numbers.
double TextToDouble(QStringView text);

// Whole number: optional sign and digits; anything else ends it. Out-of-range values saturate at
// the limits of a 32-bit signed integer.
int TextToInt(QStringView text);
