#include "data/music/SongSource.h"

#include <cctype>
#include <charconv>
#include <sstream>

namespace songs {
namespace {

// Limits that keep a typo from producing a silly file rather than an error.
constexpr int kMinTempo = 30, kMaxTempo = 300;
constexpr int kMaxRepeat = 16, kMaxIntroBars = 8, kMaxRoundVoices = 4;
constexpr int kLowestNote = 21, kHighestNote = 108; // the piano's range

enum class Block { Header, Tune, Chords };

class Parser {
public:
    Parser(const std::string& fileName, SongSource& song) : fileName_(fileName), song_(song) {}

    void Line(int number, std::string_view line);
    void Finish();

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw SongError(fileName_ + ":" + std::to_string(line_) + ": " + what);
    }
    int Number(const std::string& word, int lo, int hi, const char* what) const;
    void Header(const std::vector<std::string>& words);
    void TuneToken(const std::string& token);
    void ChordToken(const std::string& token);
    void CloseTuneBar();
    void CloseChordBar();
    Chord ParseChord(const std::string& symbol) const;

    std::string fileName_;
    SongSource& song_;
    int line_ = 0;
    Block block_ = Block::Header;
    int duration_ = kTicksPerQuarter;
    std::vector<Note> tuneBar_;
    int tuneBarLine_ = 0;
    std::vector<std::string> chordBar_;
    bool sawTune_ = false, sawChords_ = false;
};

std::vector<std::string> Words(std::string_view line) {
    std::string spaced;
    for (char c : line) {
        if (c == '|')
            spaced += " | ";
        else
            spaced += c;
    }
    std::istringstream in(spaced);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::string Quarters(int ticks) {
    std::ostringstream text;
    text << double(ticks) / kTicksPerQuarter;
    return text.str();
}

int PitchClass(char letter) {
    static const int classes[] = {9, 11, 0, 2, 4, 5, 7}; // a b c d e f g
    return classes[letter - 'a'];
}

int Parser::Number(const std::string& word, int lo, int hi, const char* what) const {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        Fail(std::string(what) + " '" + word + "' is not a number");
    if (value < lo || value > hi)
        Fail(std::string(what) + " " + word + " is outside " + std::to_string(lo) + " ... " +
             std::to_string(hi));
    return value;
}

void Parser::Header(const std::vector<std::string>& words) {
    const std::string& key = words[0];
    const auto need = [&](size_t count) {
        if (words.size() != count + 1)
            Fail("'" + key + "' takes " + std::to_string(count) + " value(s)");
    };
    if (key == "title") {
        song_.title.clear();
        for (size_t i = 1; i < words.size(); ++i)
            song_.title += (i > 1 ? " " : "") + words[i];
    } else if (key == "tempo") {
        need(1);
        song_.tempo = Number(words[1], kMinTempo, kMaxTempo, "tempo");
    } else if (key == "meter") {
        need(1);
        const size_t slash = words[1].find('/');
        if (slash == std::string::npos)
            Fail("meter must look like 3/4");
        song_.meterBeats = Number(words[1].substr(0, slash), 1, 12, "meter beats");
        song_.meterUnit = Number(words[1].substr(slash + 1), 2, 8, "meter unit");
        if (song_.meterUnit != 2 && song_.meterUnit != 4 && song_.meterUnit != 8)
            Fail("meter unit must be 2, 4 or 8");
    } else if (key == "style") {
        need(1);
        if (words[1] == "polka")
            song_.style = AccompanimentStyle::Polka;
        else if (words[1] == "waltz")
            song_.style = AccompanimentStyle::Waltz;
        else if (words[1] == "arpeggio")
            song_.style = AccompanimentStyle::Arpeggio;
        else if (words[1] == "sustained")
            song_.style = AccompanimentStyle::Sustained;
        else
            Fail("unknown style '" + words[1] + "' (polka, waltz, arpeggio, sustained)");
    } else if (key == "repeat") {
        need(1);
        song_.repeat = Number(words[1], 1, kMaxRepeat, "repeat");
    } else if (key == "intro") {
        need(1);
        song_.introBars = Number(words[1], 0, kMaxIntroBars, "intro");
    } else if (key == "lead") {
        if (words.size() < 2)
            Fail("'lead' needs at least one program");
        song_.leadPrograms.clear();
        for (size_t i = 1; i < words.size(); ++i)
            song_.leadPrograms.push_back(Number(words[i], 0, 127, "program"));
    } else if (key == "chords") {
        need(1);
        song_.chordProgram = Number(words[1], 0, 127, "program");
    } else if (key == "bass") {
        need(1);
        song_.bassProgram = Number(words[1], 0, 127, "program");
    } else if (key == "drums") {
        need(1);
        if (words[1] != "yes" && words[1] != "no")
            Fail("drums is yes or no");
        song_.drums = words[1] == "yes";
    } else if (key == "round") {
        need(2);
        song_.roundOffsetBars = Number(words[1], 1, 8, "round offset");
        song_.roundVoices = Number(words[2], 2, kMaxRoundVoices, "round voices");
    } else {
        Fail("unknown setting '" + key + "'");
    }
}

void Parser::TuneToken(const std::string& token) {
    if (token == "|") {
        CloseTuneBar();
        return;
    }
    if (tuneBar_.empty())
        tuneBarLine_ = line_;
    size_t pos = 0;
    Note note;
    const char letter = char(std::tolower(static_cast<unsigned char>(token[0])));
    if (letter == 'r') {
        pos = 1;
    } else if (letter >= 'a' && letter <= 'g') {
        int pitchClass = PitchClass(letter);
        pos = 1;
        if (pos < token.size() && (token[pos] == '#' || token[pos] == 'b'))
            pitchClass += token[pos++] == '#' ? 1 : -1;
        if (pos >= token.size() || !std::isdigit(static_cast<unsigned char>(token[pos])))
            Fail("note '" + token + "' needs an octave digit");
        const int octave = token[pos++] - '0';
        note.pitch = (octave + 1) * 12 + pitchClass;
        if (note.pitch < kLowestNote || note.pitch > kHighestNote)
            Fail("note '" + token + "' is outside the piano's range");
    } else {
        Fail("'" + token + "' is not a note");
    }
    if (pos < token.size()) {
        if (token[pos] != '/')
            Fail("'" + token + "': expected /duration after the note");
        std::string length = token.substr(pos + 1);
        const bool dotted = !length.empty() && length.back() == '.';
        if (dotted)
            length.pop_back();
        const int value = Number(length, 1, 16, "duration");
        if (value != 1 && value != 2 && value != 4 && value != 8 && value != 16)
            Fail("duration " + length + " must be 1, 2, 4, 8 or 16");
        duration_ = kTicksPerQuarter * 4 / value;
        if (dotted)
            duration_ += duration_ / 2;
    }
    note.ticks = duration_;
    tuneBar_.push_back(note);
}

void Parser::CloseTuneBar() {
    if (tuneBar_.empty())
        return;
    int ticks = 0;
    for (const Note& note : tuneBar_)
        ticks += note.ticks;
    if (ticks != song_.BarTicks()) {
        line_ = tuneBarLine_;
        Fail("tune bar " + std::to_string(song_.tune.size() + 1) + " lasts " + Quarters(ticks) +
             " quarter notes, the meter wants " + Quarters(song_.BarTicks()));
    }
    song_.tune.push_back(std::move(tuneBar_));
    tuneBar_.clear();
}

Chord Parser::ParseChord(const std::string& symbol) const {
    const char letter = char(std::tolower(static_cast<unsigned char>(symbol[0])));
    if (letter < 'a' || letter > 'g')
        Fail("'" + symbol + "' is not a chord");
    Chord chord;
    int root = PitchClass(letter);
    size_t pos = 1;
    if (pos < symbol.size() && (symbol[pos] == '#' || symbol[pos] == 'b'))
        root += symbol[pos++] == '#' ? 1 : -1;
    chord.root = (root + 12) % 12;
    const std::string quality = symbol.substr(pos);
    if (quality.empty())
        chord.intervals = {0, 4, 7};
    else if (quality == "m")
        chord.intervals = {0, 3, 7};
    else if (quality == "7")
        chord.intervals = {0, 4, 7, 10};
    else if (quality == "m7")
        chord.intervals = {0, 3, 7, 10};
    else if (quality == "dim")
        chord.intervals = {0, 3, 6};
    else
        Fail("chord '" + symbol + "': unknown kind '" + quality + "' (m, 7, m7, dim)");
    return chord;
}

void Parser::ChordToken(const std::string& token) {
    if (token == "|") {
        CloseChordBar();
        return;
    }
    if (token == "." && chordBar_.empty() && song_.chords.empty())
        Fail("'.' has no chord before it to hold");
    chordBar_.push_back(token);
}

void Parser::CloseChordBar() {
    if (chordBar_.empty())
        return;
    const int slots = int(chordBar_.size());
    if (song_.BarTicks() % slots != 0)
        Fail("chord bar " + std::to_string(song_.chords.size() + 1) + " cannot be split into " +
             std::to_string(slots) + " equal parts");
    const int slotTicks = song_.BarTicks() / slots;
    std::vector<ChordSpan> bar;
    for (int i = 0; i < slots; ++i) {
        const std::string& symbol = chordBar_[size_t(i)];
        if (symbol == ".") {
            if (bar.empty())
                bar.push_back({song_.chords.back().back().chord, 0, 0});
            bar.back().ticks += slotTicks;
            continue;
        }
        bar.push_back({ParseChord(symbol), i * slotTicks, slotTicks});
    }
    song_.chords.push_back(std::move(bar));
    chordBar_.clear();
}

void Parser::Line(int number, std::string_view text) {
    line_ = number;
    // A comment starts at a '#' that begins a word; a '#' after a note letter is a sharp.
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(text[i - 1])))) {
            text = text.substr(0, i);
            break;
        }
    }
    const std::vector<std::string> words = Words(text);
    if (words.empty())
        return;
    // "tune" or "chords" alone on a line opens that block; "chords 0" is the setting.
    if (words.size() == 1 && (words[0] == "tune" || words[0] == "chords")) {
        CloseTuneBar();
        CloseChordBar();
        block_ = words[0] == "tune" ? Block::Tune : Block::Chords;
        (block_ == Block::Tune ? sawTune_ : sawChords_) = true;
        return;
    }
    switch (block_) {
    case Block::Header:
        Header(words);
        return;
    case Block::Tune:
        for (const std::string& word : words)
            TuneToken(word);
        return;
    case Block::Chords:
        for (const std::string& word : words)
            ChordToken(word);
        return;
    }
}

void Parser::Finish() {
    CloseTuneBar();
    CloseChordBar();
    if (!sawTune_ || song_.tune.empty())
        Fail("the song has no tune");
    if (!sawChords_ || song_.chords.size() != song_.tune.size())
        Fail("the tune has " + std::to_string(song_.tune.size()) + " bars but the chords have " +
             std::to_string(song_.chords.size()));
    if (song_.introBars > int(song_.tune.size()))
        Fail("the intro is longer than the tune");
}

} // namespace

SongSource ParseSong(std::string_view text, const std::string& fileName) {
    SongSource song;
    Parser parser(fileName, song);
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        parser.Line(++number, line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    parser.Finish();
    return song;
}

} // namespace songs
