#pragma once
// The entry point of the sound module (libtrevallion_sound.so), TrevallionPlayWave: plays a wave
// file without waiting. The path is given as UTF-16 code units and their count.

using PlayWaveFunction = void (*)(const char16_t* path, int length);
inline constexpr char kPlayWaveSymbol[] = "TrevallionPlayWave";
