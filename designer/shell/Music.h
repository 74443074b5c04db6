// The background music of the main window: the song rule, on and off, the end of a song starting
// the next, and the state the sound button shows. A failure to open or play a song makes the
// music unavailable for the rest of the run, without a word: the button simply stops answering.
#pragma once

#include "platform/sound/MidiPlayer.h"

#include <functional>
#include <memory>
#include <string>

// The sound button's frame at rest is the music state.
enum class TMusicState { Unavailable = 1, Off = 2, On = 4 };

class TMusic {
public:
    // Plays through `player` (the factory's when null).
    explicit TMusic(std::unique_ptr<plat::TMidiPlayer> player = nullptr);
    ~TMusic();
    TMusic(const TMusic&) = delete;
    TMusic& operator=(const TMusic&) = delete;

    // The song number n: when it is 0 a new one is drawn at random (0 ... 7); otherwise it goes
    // on by one, and after 6 comes 0 (so the next choice draws again).
    void ChooseNextSong();
    int Song() const { return song_; }
    // Windows path of the current song ("Resource\Song<n>.mid" in the data folder).
    std::string SongFile() const;

    TMusicState State() const { return state_; }
    bool Available() const { return state_ != TMusicState::Unavailable; }
    bool On() const { return state_ == TMusicState::On; }
    // Music on: the next song is chosen, opened and played. Music off: stopped and closed. The
    // first switch needs the player to be tried, so it works from Unavailable as well: the music
    // starts unavailable until it is first switched.
    void SwitchOn();
    void SwitchOff();
    // The sound button: on becomes off and off on; an unavailable button does nothing.
    void Toggle();
    // Stops and closes the song (the window hides); the state stays.
    void Halt();

    // Raised after every change of State().
    std::function<void()> OnStateChange;

private:
    void SongEnded();
    void SetState(TMusicState state);

    std::unique_ptr<plat::TMidiPlayer> player_;
    int song_ = 0;
    bool tried_ = false;
    TMusicState state_ = TMusicState::Unavailable;
};
