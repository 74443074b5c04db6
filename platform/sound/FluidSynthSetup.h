// What the FluidSynth player and the file renderer share: the sound font, a quiet library, and a
// synthesiser with the font loaded. Private to the sound layer.
#pragma once

#include <fluidsynth.h>

#include <string>

namespace plat::fluid {

// Host path of the General MIDI sound font: $VELMORA_SOUNDFONT when set, else the first of the
// Debian fonts that exists; empty when there is none.
std::string SoundFontPath();

// The library reports its problems through our exceptions, never on the terminal.
void SilenceLibraryLog();

// A synthesiser on `settings` with the sound font loaded; raises plat::Exception (and frees what
// it made) when either fails.
fluid_synth_t* NewSynthWithFont(fluid_settings_t* settings);

// Whether `hostPath` is a Standard MIDI File the library will read.
bool IsMidiFile(const std::string& hostPath);

} // namespace plat::fluid
