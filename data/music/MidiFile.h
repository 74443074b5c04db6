// A Standard MIDI File in memory (format 1: a conductor track with tempo and meter, then one
// track per instrument) and its writer. Events are kept with absolute ticks; the writer sorts
// them (note-offs before note-ons at the same tick, so repeated notes re-strike cleanly) and
// turns them into delta times.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace songs {

struct MidiEvent {
    int tick = 0;
    std::vector<uint8_t> bytes; // status byte and data, or FF type length data for meta events
};

struct MidiTrack {
    std::string name;
    std::vector<MidiEvent> events;

    void Add(int tick, std::vector<uint8_t> bytes) { events.push_back({tick, std::move(bytes)}); }
    void NoteOn(int tick, int channel, int pitch, int velocity, int ticks);
    void Program(int tick, int channel, int program);
    void Controller(int tick, int channel, int controller, int value);
};

struct MidiSequence {
    int ticksPerQuarter = 480;
    std::vector<MidiTrack> tracks; // tracks[0] is the conductor track
};

std::vector<uint8_t> WriteMidiFile(const MidiSequence& sequence);

} // namespace songs
