// A MIDI player that records what it is asked and fails when told to.
#pragma once

#include "platform/core/Exceptions.h"
#include "platform/sound/MidiPlayer.h"

#include <string>
#include <vector>

class TFakeMidiPlayer : public plat::TMidiPlayer {
public:
    struct Log {
        std::vector<std::string> Opened;
        int Plays = 0;
        int Closes = 0;
        bool FailOpen = false;
        bool FailPlay = false;
        bool Playing = false;
    };
    explicit TFakeMidiPlayer(Log& log) : log_(log) {}
    void Open(const std::string& winPath) override {
        if (log_.FailOpen)
            throw plat::Exception("no audio device is available");
        log_.Opened.push_back(winPath);
    }
    void Play() override {
        if (log_.FailPlay)
            throw plat::Exception("the song could not be played");
        ++log_.Plays;
        log_.Playing = true;
    }
    void Stop() override { log_.Playing = false; }
    void Close() override {
        ++log_.Closes;
        log_.Playing = false;
    }
    // The song played to its end.
    void End() {
        log_.Playing = false;
        if (OnEnded)
            OnEnded();
    }

private:
    Log& log_;
};
