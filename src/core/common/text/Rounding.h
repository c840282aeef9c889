#pragma once
// The two rounding rules of the calculators.

// Nearest tenth, halves away from zero (x10, +/-0.5, truncate, x0.1).
double RoundTenth(double x);

// x + 0.5 converted to an unsigned whole number, for values shown with "%u". Values below 0 give
// 0 and values beyond the range give the largest unsigned value (saturating, never undefined).
unsigned RoundWhole(double x);
