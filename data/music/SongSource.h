// The readable note source a song is written in, and its parser. One file per song:
//
//   title   Korobeiniki            # free text, becomes the MIDI track name
//   tempo   132                    # quarter notes per minute
//   meter   4/4                    # 2/4, 3/4, 4/4, 6/8 ...
//   style   polka                  # accompaniment: polka | waltz | arpeggio | sustained
//   repeat  3                      # passes through the tune
//   intro   2                      # bars of accompaniment alone before the first pass
//   lead    21 73                  # General MIDI programs of the tune, one per pass, cycled
//   chords  0                      # program of the chord instrument
//   bass    33                     # program of the bass
//   drums   yes                    # a light kit on channel 10 from the second pass on
//   round   2 3                    # optional: the tune as a round, 3 voices entering 2 bars apart
//
//   tune
//   | e5/4 b4/8 c5 d5/4 c5/8 b4 | a4/4 ... |
//   chords
//   | Am | E7 . Am . | ...
//
// Notes are a letter, an optional # or b, an octave (c4 is middle C), and an optional duration
// after a slash: 1, 2, 4, 8 or 16, with an optional dot; a note without one keeps the previous
// duration. `r` is a rest. Chord bars hold one or more symbols that share the bar equally; a dot
// keeps the chord before it. Symbols: root, optional # or b, then nothing (major), m, 7, m7 or
// dim. Every tune bar must fill the meter and the two blocks must have as many bars.
// Anything after # is a comment. Errors name the file and line.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace songs {

inline constexpr int kTicksPerQuarter = 480;

class SongError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class AccompanimentStyle { Polka, Waltz, Arpeggio, Sustained };

struct Note {
    int pitch = -1; // MIDI note number; -1 is a rest
    int ticks = 0;
};

struct Chord {
    int root = 0;               // pitch class, 0 = C
    std::vector<int> intervals; // semitones above the root, root included
};

struct ChordSpan {
    Chord chord;
    int startTick = 0; // within the bar
    int ticks = 0;
};

struct SongSource {
    std::string title;
    int tempo = 120;
    int meterBeats = 4;
    int meterUnit = 4;
    AccompanimentStyle style = AccompanimentStyle::Polka;
    int repeat = 1;
    int introBars = 0;
    std::vector<int> leadPrograms{0};
    int chordProgram = 0;
    int bassProgram = 32;
    bool drums = false;
    int roundOffsetBars = 0; // 0: not a round
    int roundVoices = 1;
    std::vector<std::vector<Note>> tune;        // bars
    std::vector<std::vector<ChordSpan>> chords; // bars

    int BarTicks() const { return meterBeats * kTicksPerQuarter * 4 / meterUnit; }
};

// Parses a song source; `fileName` only names the file in error messages.
SongSource ParseSong(std::string_view text, const std::string& fileName);

} // namespace songs
