// FluidSynth's file renderer driven block by block while the sequencer plays; the sequencer keeps
// time by the samples rendered, so the file holds the song at its real tempo.
#include "platform/sound/SongRender.h"

#include "platform/core/Exceptions.h"
#include "platform/sound/FluidSynthSetup.h"

namespace plat {

namespace {

constexpr double kSampleRate = 44100.0;

// Frees the library objects in the reverse order of their making, whatever happens.
struct RenderSession {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    fluid_file_renderer_t* renderer = nullptr;
    ~RenderSession() {
        if (renderer)
            delete_fluid_file_renderer(renderer); // writes the file's header and closes it
        if (player)
            delete_fluid_player(player);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

} // namespace

double RenderSongToWave(const std::string& songHost, const std::string& wavHost, double maxSeconds) {
    if (!fluid::IsMidiFile(songHost))
        throw Exception("the song " + songHost + " is not a MIDI file");
    fluid::SilenceLibraryLog();
    RenderSession s;
    s.settings = new_fluid_settings();
    if (!s.settings)
        throw Exception("the MIDI synthesiser could not be set up");
    fluid_settings_setstr(s.settings, "audio.file.name", wavHost.c_str());
    fluid_settings_setstr(s.settings, "audio.file.type", "wav");
    fluid_settings_setstr(s.settings, "player.timing-source", "sample");
    fluid_settings_setint(s.settings, "synth.lock-memory", 0);
    fluid_settings_setnum(s.settings, "synth.sample-rate", kSampleRate);
    s.synth = fluid::NewSynthWithFont(s.settings);
    s.player = new_fluid_player(s.synth);
    if (!s.player || fluid_player_add(s.player, songHost.c_str()) == FLUID_FAILED ||
        fluid_player_play(s.player) == FLUID_FAILED)
        throw Exception("the song " + songHost + " could not be played");
    s.renderer = new_fluid_file_renderer(s.synth);
    if (!s.renderer)
        throw Exception("the file " + wavHost + " could not be written");
    int period = 64;
    fluid_settings_getint(s.settings, "audio.period-size", &period);
    const long maxBlocks = static_cast<long>(maxSeconds * kSampleRate / period);
    long blocks = 0;
    while (blocks < maxBlocks && fluid_player_get_status(s.player) == FLUID_PLAYER_PLAYING) {
        if (fluid_file_renderer_process_block(s.renderer) != FLUID_OK)
            throw Exception("the file " + wavHost + " could not be written");
        ++blocks;
    }
    return static_cast<double>(blocks) * period / kSampleRate;
}

} // namespace plat
