// The music rule on the MIDI player.
#include "designer/shell/Music.h"

#include "designer/shell/Settings.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Platform.h"

constexpr int kSongCount = 8;   // Song0.mid ... Song7.mid
constexpr int kLastInTurn = 6;  // the songs played one after another; 7 only by a draw

TMusic::TMusic(std::unique_ptr<plat::TMidiPlayer> player)
    : player_(player ? std::move(player) : plat::MakeMidiPlayer()) {
    player_->OnEnded = [this] { SongEnded(); };
}

TMusic::~TMusic() {
    player_->OnEnded = nullptr;
    player_->Close();
}

void TMusic::ChooseNextSong() {
    if (song_ == 0) {
        song_ = static_cast<int>(plat::Platform::Current().Random(kSongCount));
        return;
    }
    ++song_;
    if (song_ > kLastInTurn)
        song_ = 0;
}

std::string TMusic::SongFile() const {
    return DataFile("Resource\\Song" + std::to_string(song_) + ".mid");
}

void TMusic::SwitchOn() {
    if (tried_ && !Available())
        return;
    tried_ = true;
    ChooseNextSong();
    try {
        player_->Open(SongFile());
        player_->Play();
    } catch (const plat::Exception&) {
        player_->Stop();
        player_->Close();
        SetState(TMusicState::Unavailable);
        return;
    }
    SetState(TMusicState::On);
}

void TMusic::SwitchOff() {
    if (tried_ && !Available())
        return;
    tried_ = true;
    player_->Stop();
    player_->Close();
    SetState(TMusicState::Off);
}

void TMusic::Toggle() {
    if (!Available())
        return;
    if (On())
        SwitchOff();
    else
        SwitchOn();
}

void TMusic::Halt() {
    player_->Stop();
    player_->Close();
}

void TMusic::SongEnded() {
    if (!On())
        return;
    // Each step may fail on its own; the music then just stays quiet until switched again.
    ChooseNextSong();
    player_->Stop();
    player_->Close();
    try {
        player_->Open(SongFile());
        player_->Play();
    } catch (const plat::Exception&) {
    }
}

void TMusic::SetState(TMusicState state) {
    if (state == state_)
        return;
    state_ = state;
    if (OnStateChange)
        OnStateChange();
}
