// The production MIDI player: FluidSynth renders the song with the General MIDI sound font into
// one of its own audio drivers. The synthesiser and its font are loaded once and kept; the audio
// driver is held only while a song is open, so a silent program holds no audio stream. The end of
// a play is noticed on the UI thread by a timer that asks the sequencer's status, because the
// sequencer itself runs on the driver's thread.
#include "platform/sound/MidiPlayer.h"

#include "platform/core/Exceptions.h"
#include "platform/files/WinPath.h"
#include "platform/sound/FluidSynthSetup.h"
#include "platform/ui/Timer.h"

#include <filesystem>

namespace plat {

namespace {

// How often the end of a song is looked for; the next song starts at most this late.
constexpr unsigned kEndPollMs = 250;

// The desktop's sound servers first, the bare sound card last.
constexpr const char* kDrivers[] = {"pipewire", "pulseaudio", "alsa"};

class FluidSynthPlayer final : public TMidiPlayer {
public:
    FluidSynthPlayer() {
        poll_.SetEnabled(false);
        poll_.SetInterval(kEndPollMs);
        poll_.OnTimer = [this] { CheckEnded(); };
    }
    ~FluidSynthPlayer() override {
        Close();
        if (synth_)
            delete_fluid_synth(synth_);
        if (settings_)
            delete_fluid_settings(settings_);
    }

    void Open(const std::string& winPath) override {
        Close();
        const std::string host = HostPath(winPath);
        if (!std::filesystem::is_regular_file(host))
            throw EFileError("the song " + winPath + " does not exist");
        if (!fluid::IsMidiFile(host))
            throw Exception("the song " + winPath + " is not a MIDI file");
        EnsureSynth();
        OpenDriver();
        player_ = new_fluid_player(synth_);
        if (!player_ || fluid_player_add(player_, host.c_str()) == FLUID_FAILED) {
            Close();
            throw Exception("the song " + winPath + " could not be opened");
        }
    }

    void Play() override {
        if (!player_)
            throw Exception("no song is open");
        if (fluid_player_play(player_) == FLUID_FAILED)
            throw Exception("the song could not be played");
        poll_.SetEnabled(true);
    }

    void Stop() override {
        poll_.SetEnabled(false);
        if (!player_)
            return;
        fluid_player_stop(player_);
        fluid_synth_all_sounds_off(synth_, -1);
    }

    void Close() override {
        Stop();
        if (player_) {
            delete_fluid_player(player_);
            player_ = nullptr;
        }
        if (driver_) {
            delete_fluid_audio_driver(driver_);
            driver_ = nullptr;
        }
    }

private:
    void EnsureSynth() {
        if (synth_)
            return;
        fluid::SilenceLibraryLog();
        settings_ = new_fluid_settings();
        if (!settings_)
            throw Exception("the MIDI synthesiser could not be set up");
        synth_ = fluid::NewSynthWithFont(settings_);
    }

    void OpenDriver() {
        for (const char* name : kDrivers) {
            if (fluid_settings_setstr(settings_, "audio.driver", name) != FLUID_OK)
                continue; // not built into this library
            driver_ = new_fluid_audio_driver(settings_, synth_);
            if (driver_)
                return;
        }
        throw Exception("no audio device is available");
    }

    void CheckEnded() {
        if (!player_ || fluid_player_get_status(player_) != FLUID_PLAYER_DONE)
            return;
        poll_.SetEnabled(false);
        if (OnEnded)
            OnEnded();
    }

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    fluid_player_t* player_ = nullptr;
    TTimer poll_;
};

MidiPlayerFactory& Factory() {
    static MidiPlayerFactory factory;
    return factory;
}

} // namespace

std::unique_ptr<TMidiPlayer> MakeMidiPlayer() {
    if (Factory())
        return Factory()();
    return std::make_unique<FluidSynthPlayer>();
}

MidiPlayerFactory SetMidiPlayerFactory(MidiPlayerFactory factory) {
    MidiPlayerFactory previous = std::move(Factory());
    Factory() = std::move(factory);
    return previous;
}

} // namespace plat
