// Turns a parsed song into a General MIDI sequence: the tune on the lead instrument (or several
// voices for a round), chords and bass worked out from the chord bars in the song's style, a
// light drum kit on channel 10, an intro of accompaniment alone and a closing chord.
#pragma once

#include "data/music/MidiFile.h"
#include "data/music/SongSource.h"

namespace songs {

MidiSequence Arrange(const SongSource& song);

// How long the arranged song plays, in seconds.
double PlayingSeconds(const SongSource& song);

} // namespace songs
