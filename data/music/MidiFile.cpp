#include "data/music/MidiFile.h"

#include <algorithm>

namespace songs {
namespace {

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(value >> shift));
}

void PutVariable(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value);
    while (count-- > 0)
        out.push_back(uint8_t(groups[count] | (count ? 0x80 : 0)));
}

// Note-offs (and note-ons of velocity 0) sort before everything else at their tick.
int Rank(const MidiEvent& event) {
    const uint8_t status = event.bytes[0] & 0xF0;
    const bool off = status == 0x80 || (status == 0x90 && event.bytes[2] == 0);
    return off ? 0 : 1;
}

std::vector<uint8_t> TrackChunk(const MidiTrack& track) {
    std::vector<MidiEvent> events = track.events;
    if (!track.name.empty()) {
        std::vector<uint8_t> meta = {0xFF, 0x03};
        PutVariable(meta, uint32_t(track.name.size()));
        meta.insert(meta.end(), track.name.begin(), track.name.end());
        events.insert(events.begin(), MidiEvent{0, std::move(meta)});
    }
    std::stable_sort(events.begin(), events.end(), [](const MidiEvent& a, const MidiEvent& b) {
        return a.tick != b.tick ? a.tick < b.tick : Rank(a) < Rank(b);
    });
    std::vector<uint8_t> body;
    int now = 0;
    for (const MidiEvent& event : events) {
        PutVariable(body, uint32_t(event.tick - now));
        now = event.tick;
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    }
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00}); // end of track
    std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
    Put32(chunk, uint32_t(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

} // namespace

void MidiTrack::NoteOn(int tick, int channel, int pitch, int velocity, int ticks) {
    Add(tick, {uint8_t(0x90 | channel), uint8_t(pitch), uint8_t(std::clamp(velocity, 1, 127))});
    Add(tick + std::max(ticks, 1), {uint8_t(0x80 | channel), uint8_t(pitch), 0x40});
}

void MidiTrack::Program(int tick, int channel, int program) {
    Add(tick, {uint8_t(0xC0 | channel), uint8_t(program)});
}

void MidiTrack::Controller(int tick, int channel, int controller, int value) {
    Add(tick, {uint8_t(0xB0 | channel), uint8_t(controller), uint8_t(value)});
}

std::vector<uint8_t> WriteMidiFile(const MidiSequence& sequence) {
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(uint8_t(sequence.tracks.size() >> 8));
    out.push_back(uint8_t(sequence.tracks.size()));
    out.push_back(uint8_t(sequence.ticksPerQuarter >> 8));
    out.push_back(uint8_t(sequence.ticksPerQuarter));
    for (const MidiTrack& track : sequence.tracks) {
        const std::vector<uint8_t> chunk = TrackChunk(track);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace songs
