// The MIDI sequencer of the media player: opens one song file, plays it, and says when a play has
// reached the song's end. The program makes its player through the factory below, which tests
// replace with a fake; the real one synthesises through FluidSynth with a General MIDI sound font
// and plays on the desktop's audio (PipeWire, PulseAudio or ALSA, whichever answers).
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace plat {

class TMidiPlayer {
public:
    virtual ~TMidiPlayer() = default;

    // Each of these raises plat::Exception with a message when the song cannot be opened or the
    // sound cannot be played (no sound font, no audio device, not a MIDI file).
    virtual void Open(const std::string& winPath) = 0;
    virtual void Play() = 0;
    // Stop and Close never fail; they do nothing when there is nothing to stop or close.
    virtual void Stop() = 0;
    virtual void Close() = 0;

    // Raised on the UI thread when a play reaches the end of the song (not after Stop).
    std::function<void()> OnEnded;
};

using MidiPlayerFactory = std::function<std::unique_ptr<TMidiPlayer>()>;

// A new player from the installed factory (FluidSynth unless a test installed another).
std::unique_ptr<TMidiPlayer> MakeMidiPlayer();
// Replaces the factory (empty restores FluidSynth); returns the previous one.
MidiPlayerFactory SetMidiPlayerFactory(MidiPlayerFactory factory);

} // namespace plat
