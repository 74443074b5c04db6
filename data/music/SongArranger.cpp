#include "data/music/SongArranger.h"

#include <algorithm>

namespace songs {
namespace {

// General MIDI channels (0-based); 9 is the percussion channel.
constexpr int kLeadChannel = 0, kChordChannel = 1, kBassChannel = 2, kFirstRoundChannel = 3;
constexpr int kDrumChannel = 9;
// General MIDI percussion keys.
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kPedalHat = 44, kCrash = 49;

struct Timing {
    int barTicks;
    int beatTicks;
    int beats;
    int subdivisions; // notes per beat in broken chords
};

Timing TimingOf(const SongSource& song) {
    const int bar = song.BarTicks();
    if (song.meterUnit == 8 && song.meterBeats % 3 == 0) // compound: beats of three eighths
        return {bar, kTicksPerQuarter * 3 / 2, song.meterBeats / 3, 3};
    return {bar, kTicksPerQuarter * 4 / song.meterUnit, song.meterBeats, 2};
}

int BarsPerPass(const SongSource& song) {
    const int tune = int(song.tune.size());
    return song.roundOffsetBars ? tune + (song.roundVoices - 1) * song.roundOffsetBars : tune;
}

// Pitch of pitch class `pc` in the octave that starts at `floor`.
int Place(int pc, int floor) { return floor + ((pc - floor % 12) % 12 + 12) % 12; }

std::vector<int> Voicing(const Chord& chord) {
    std::vector<int> pitches;
    for (int interval : chord.intervals)
        pitches.push_back(Place(chord.root + interval, 55));
    std::sort(pitches.begin(), pitches.end());
    return pitches;
}

int BassRoot(const Chord& chord) { return Place(chord.root, 40); }
int BassFifth(const Chord& chord) { return Place(chord.root + 7, 40); }

const ChordSpan& SpanAt(const std::vector<ChordSpan>& bar, int tick) {
    for (const ChordSpan& span : bar)
        if (tick >= span.startTick && tick < span.startTick + span.ticks)
            return span;
    return bar.back();
}

class Arranger {
public:
    explicit Arranger(const SongSource& song) : song_(song), timing_(TimingOf(song)) {}
    MidiSequence Run();

private:
    void Setup(MidiTrack& track, int channel, int program, int volume, int pan);
    void AccompanyBar(const std::vector<ChordSpan>& bar, int start, int barNumber, bool drums);
    void Drums(int start, int beat, int beatStart);
    void Tune(MidiTrack& track, int channel, int start, int velocity);
    void Ending(int start, bool drums);

    const SongSource& song_;
    Timing timing_;
    MidiTrack lead_{"Tune", {}}, chords_{"Chords", {}}, bass_{"Bass", {}}, drums_{"Drums", {}};
    std::vector<MidiTrack> rounds_;
};

void Arranger::Setup(MidiTrack& track, int channel, int program, int volume, int pan) {
    if (channel != kDrumChannel)
        track.Program(0, channel, program);
    track.Controller(0, channel, 7, volume);
    track.Controller(0, channel, 10, pan);
    track.Controller(0, channel, 91, 40); // a little reverb
}

void Arranger::AccompanyBar(const std::vector<ChordSpan>& bar, int start, int barNumber, bool drums) {
    const int beat = timing_.beatTicks;
    for (const ChordSpan& span : bar) {
        if (song_.style == AccompanimentStyle::Arpeggio || song_.style == AccompanimentStyle::Sustained)
            bass_.NoteOn(start + span.startTick, kBassChannel, BassRoot(span.chord), 80, span.ticks - 20);
        if (song_.style == AccompanimentStyle::Sustained)
            for (int pitch : Voicing(span.chord))
                chords_.NoteOn(start + span.startTick, kChordChannel, pitch, 52, span.ticks - 20);
    }
    for (int i = 0; i < timing_.beats; ++i) {
        const int at = i * beat;
        const Chord& chord = SpanAt(bar, at).chord;
        const bool alternate = (barNumber + i / 2) % 2 == 1;
        switch (song_.style) {
        case AccompanimentStyle::Polka:
            if (timing_.beats == 1 || i % 2 == 0)
                bass_.NoteOn(start + at, kBassChannel, alternate ? BassFifth(chord) : BassRoot(chord), 86,
                             beat * 3 / 4);
            if (timing_.beats == 1 || i % 2 == 1) {
                const int offset = timing_.beats == 1 ? beat / 2 : 0;
                for (int pitch : Voicing(chord))
                    chords_.NoteOn(start + at + offset, kChordChannel, pitch, 60, beat / 2);
            }
            break;
        case AccompanimentStyle::Waltz:
            if (i == 0)
                bass_.NoteOn(start, kBassChannel, barNumber % 2 ? BassFifth(chord) : BassRoot(chord), 84,
                             beat * 9 / 10);
            else
                for (int pitch : Voicing(chord))
                    chords_.NoteOn(start + at, kChordChannel, pitch, 56, beat * 6 / 10);
            break;
        case AccompanimentStyle::Arpeggio: {
            std::vector<int> tones = Voicing(chord);
            tones.push_back(tones.front() + 12);
            const int step = beat / timing_.subdivisions;
            for (int s = 0; s < timing_.subdivisions; ++s) {
                const int n = i * timing_.subdivisions + s;
                const int cycle = int(tones.size()) * 2 - 2; // up, then back down
                const int k = n % cycle < int(tones.size()) ? n % cycle : cycle - n % cycle;
                chords_.NoteOn(start + at + s * step, kChordChannel, tones[size_t(k)], 54, step);
            }
            break;
        }
        case AccompanimentStyle::Sustained:
            break;
        }
        if (drums)
            Drums(start, i, start + at);
    }
}

void Arranger::Drums(int barStart, int beat, int beatStart) {
    const int half = timing_.beatTicks / 2;
    switch (song_.style) {
    case AccompanimentStyle::Polka:
        if (beat % 2 == 0)
            drums_.NoteOn(beatStart, kDrumChannel, kKick, beat == 0 ? 92 : 76, 60);
        else
            drums_.NoteOn(beatStart, kDrumChannel, kSnare, 66, 60);
        drums_.NoteOn(beatStart, kDrumChannel, kClosedHat, 52, 40);
        drums_.NoteOn(beatStart + half, kDrumChannel, kClosedHat, 36, 40);
        break;
    case AccompanimentStyle::Waltz:
        drums_.NoteOn(beatStart, kDrumChannel, beat == 0 ? kKick : kClosedHat, beat == 0 ? 80 : 44, 60);
        break;
    case AccompanimentStyle::Arpeggio:
    case AccompanimentStyle::Sustained:
        if (beat == 0)
            drums_.NoteOn(barStart, kDrumChannel, kKick, 64, 60);
        drums_.NoteOn(beatStart, kDrumChannel, kPedalHat, 38, 40);
        break;
    }
}

void Arranger::Tune(MidiTrack& track, int channel, int start, int velocity) {
    int tick = start;
    for (const std::vector<Note>& bar : song_.tune) {
        int inBar = 0;
        for (const Note& note : bar) {
            if (note.pitch >= 0)
                track.NoteOn(tick, channel, note.pitch, velocity + (inBar == 0 ? 8 : 0), note.ticks * 92 / 100);
            tick += note.ticks;
            inBar += note.ticks;
        }
    }
}

void Arranger::Ending(int start, bool drums) {
    const Chord& last = song_.chords.back().back().chord;
    const int hold = timing_.barTicks;
    for (int pitch : Voicing(last))
        chords_.NoteOn(start, kChordChannel, pitch, 62, hold);
    bass_.NoteOn(start, kBassChannel, BassRoot(last), 88, hold);
    lead_.NoteOn(start, kLeadChannel, Place(last.root, 72), 84, hold);
    if (drums) {
        drums_.NoteOn(start, kDrumChannel, kCrash, 84, hold);
        drums_.NoteOn(start, kDrumChannel, kKick, 90, 60);
    }
}

MidiSequence Arranger::Run() {
    const int bar = timing_.barTicks;
    const int tuneBars = int(song_.tune.size());
    Setup(lead_, kLeadChannel, song_.leadPrograms.front(), 112, 64);
    Setup(chords_, kChordChannel, song_.chordProgram, 78, 44);
    Setup(bass_, kBassChannel, song_.bassProgram, 100, 70);
    Setup(drums_, kDrumChannel, 0, 84, 64);
    for (int v = 1; song_.roundOffsetBars && v < song_.roundVoices; ++v) {
        rounds_.push_back({"Round voice " + std::to_string(v + 1), {}});
        const int program = song_.leadPrograms[size_t(v) % song_.leadPrograms.size()];
        Setup(rounds_.back(), kFirstRoundChannel + v - 1, program, 100, v % 2 ? 28 : 100);
    }

    int tick = 0;
    for (int b = 0; b < song_.introBars; ++b, tick += bar)
        AccompanyBar(song_.chords[size_t(b)], tick, b, /*drums=*/false);
    for (int pass = 0; pass < song_.repeat; ++pass) {
        const bool drums = song_.drums && (pass > 0 || song_.repeat == 1);
        if (!song_.roundOffsetBars) {
            lead_.Program(tick, kLeadChannel, song_.leadPrograms[size_t(pass) % song_.leadPrograms.size()]);
        }
        Tune(lead_, kLeadChannel, tick, 96);
        for (int v = 1; song_.roundOffsetBars && v < song_.roundVoices; ++v)
            Tune(rounds_[size_t(v - 1)], kFirstRoundChannel + v - 1, tick + v * song_.roundOffsetBars * bar, 84);
        for (int b = 0; b < BarsPerPass(song_); ++b, tick += bar)
            AccompanyBar(song_.chords[size_t(b % tuneBars)], tick, b, drums);
    }
    Ending(tick, song_.drums);

    MidiSequence sequence;
    sequence.ticksPerQuarter = kTicksPerQuarter;
    MidiTrack conductor{song_.title, {}};
    const int microseconds = 60000000 / song_.tempo;
    conductor.Add(0, {0xFF, 0x51, 0x03, uint8_t(microseconds >> 16), uint8_t(microseconds >> 8),
                      uint8_t(microseconds)});
    const uint8_t unitPower = song_.meterUnit == 2 ? 1 : song_.meterUnit == 4 ? 2 : 3;
    conductor.Add(0, {0xFF, 0x58, 0x04, uint8_t(song_.meterBeats), unitPower, 24, 8});
    sequence.tracks = {conductor, lead_, chords_, bass_};
    for (MidiTrack& voice : rounds_)
        sequence.tracks.push_back(voice);
    if (song_.drums)
        sequence.tracks.push_back(drums_);
    return sequence;
}

} // namespace

MidiSequence Arrange(const SongSource& song) { return Arranger(song).Run(); }

double PlayingSeconds(const SongSource& song) {
    const int bars = song.introBars + song.repeat * BarsPerPass(song) + 1;
    return double(bars) * song.BarTicks() / kTicksPerQuarter * 60.0 / song.tempo;
}

} // namespace songs
