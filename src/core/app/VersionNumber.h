#pragma once
// The program version as the start-up writes it to "Version": major in bits 8 and up, the low
// byte of minor in bits 4 and up, and the build or-ed in at the bottom. Version 2.2.0 gives 0x220.

#include <cstdint>

uint32_t PackVersion(uint32_t major, uint32_t minor, uint32_t build);

// The packed version of this build (from the project version: major, minor, patch as build).
uint32_t ProgramVersionWord();
