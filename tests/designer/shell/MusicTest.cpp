// The song rule, switching, the end of a song, and a failing player.
#include "designer/shell/Music.h"
#include "designer/shell/Settings.h"
#include "platform/core/Platform.h"

#include "FakeMidiPlayer.h"

#include <gtest/gtest.h>

namespace {

class SeededPlatform : public plat::Platform {
public:
    uint32_t Random(uint32_t range) override {
        ++Draws;
        return Next % range;
    }
    uint32_t Next = 5;
    int Draws = 0;
};

struct MusicFixture : ::testing::Test {
    SeededPlatform platform;
    plat::PlatformGuard guard{platform};
    TFakeMidiPlayer::Log log;
    TFakeMidiPlayer* player = nullptr;
    std::unique_ptr<TMusic> music;
    void SetUp() override {
        Settings().CDPath = "D:\\";
        auto fake = std::make_unique<TFakeMidiPlayer>(log);
        player = fake.get();
        music = std::make_unique<TMusic>(std::move(fake));
    }
};

TEST_F(MusicFixture, SongsFollowTheDrawInTurnAndZeroDrawsAgain) {
    std::vector<int> songs;
    for (int i = 0; i < 4; ++i) {
        if (i == 3)
            platform.Next = 2;
        music->ChooseNextSong();
        songs.push_back(music->Song());
    }
    EXPECT_EQ(songs, (std::vector<int>{5, 6, 0, 2}));
    EXPECT_EQ(platform.Draws, 2);
    EXPECT_EQ(music->SongFile(), "D:\\Resource\\Song2.mid");
    // Song 7 comes only from a draw and is followed by 0.
    platform.Next = 7;
    music->ChooseNextSong(); // 3
    for (int n = 3; n < 6; ++n)
        music->ChooseNextSong();
    EXPECT_EQ(music->Song(), 6);
    music->ChooseNextSong();
    EXPECT_EQ(music->Song(), 0);
    music->ChooseNextSong();
    EXPECT_EQ(music->Song(), 7);
    music->ChooseNextSong();
    EXPECT_EQ(music->Song(), 0);
}

TEST_F(MusicFixture, TheFirstSongPlayedIsTheOneAfterTheDrawAndAnEndedSongStartsTheNext) {
    EXPECT_EQ(music->State(), TMusicState::Unavailable);
    music->ChooseNextSong(); // Init's choice: the draw, 5
    music->SwitchOn();
    EXPECT_EQ(music->State(), TMusicState::On);
    ASSERT_EQ(log.Opened.size(), 1u);
    EXPECT_EQ(log.Opened[0], "D:\\Resource\\Song6.mid");
    player->End();
    ASSERT_EQ(log.Opened.size(), 2u);
    EXPECT_EQ(log.Opened[1], "D:\\Resource\\Song0.mid");
    EXPECT_TRUE(log.Playing);

    music->Toggle();
    EXPECT_EQ(music->State(), TMusicState::Off);
    EXPECT_FALSE(log.Playing);
    player->End(); // a late report after stopping starts nothing
    EXPECT_EQ(log.Opened.size(), 2u);
    music->Toggle();
    EXPECT_EQ(music->State(), TMusicState::On);
}

TEST_F(MusicFixture, AFailingPlayerMakesTheMusicUnavailableForGood) {
    int changes = 0;
    music->OnStateChange = [&] { ++changes; };
    log.FailPlay = true;
    music->SwitchOn();
    EXPECT_EQ(music->State(), TMusicState::Unavailable);
    EXPECT_FALSE(log.Playing);
    EXPECT_GE(log.Closes, 1);
    log.FailPlay = false;
    music->Toggle();
    music->SwitchOn();
    EXPECT_EQ(music->State(), TMusicState::Unavailable);
    EXPECT_EQ(log.Plays, 0);
    EXPECT_EQ(changes, 0); // it started unavailable and stayed so
}

TEST_F(MusicFixture, AFailureAtTheNextSongIsIgnored) {
    music->SwitchOn();
    log.FailOpen = true;
    player->End();
    EXPECT_EQ(music->State(), TMusicState::On);
}

} // namespace
