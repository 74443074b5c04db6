// Renders a MIDI song through the same synthesiser and sound font as the player into a WAV file,
// without any audio device: for checking that the songs and the sound font really make sound.
#pragma once

#include <string>

namespace plat {

// Renders at most `maxSeconds` of the song at `songHost` into `wavHost` (16-bit stereo, 44.1 kHz);
// raises plat::Exception with a message when the song or the sound font cannot be used. Returns
// the seconds rendered.
double RenderSongToWave(const std::string& songHost, const std::string& wavHost, double maxSeconds);

} // namespace plat
