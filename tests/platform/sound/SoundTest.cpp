// The FluidSynth side of the music: a song of the CD rendered into a WAV file really sounds, and
// files the player cannot use are refused with a message before any audio device is touched.
#include "platform/sound/MidiPlayer.h"
#include "platform/sound/SongRender.h"

#include "platform/core/Exceptions.h"
#include "platform/files/WinPath.h"
#include "tests/support/Scratch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kCd = VELMORA_CD_DIR;

struct WaveSummary {
    int channels = 0;
    int rate = 0;
    size_t frames = 0;
    int peak = 0;          // largest absolute 16-bit sample
    size_t loudFrames = 0; // frames with a sample above 1% of full scale
};

uint32_t Le32(const std::vector<char>& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}

WaveSummary ReadWave(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    WaveSummary w;
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return w;
    int bits = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t size = Le32(b, at + 4);
        const size_t body = at + 8;
        if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && body + 16 <= b.size()) {
            w.channels = uint8_t(b[body + 2]) | uint8_t(b[body + 3]) << 8;
            w.rate = static_cast<int>(Le32(b, body + 4));
            bits = uint8_t(b[body + 14]) | uint8_t(b[body + 15]) << 8;
        } else if (std::memcmp(b.data() + at, "data", 4) == 0 && bits == 16 && w.channels > 0) {
            const size_t end = std::min(b.size(), body + size);
            for (size_t s = body; s + 2 * w.channels <= end; s += 2 * w.channels) {
                bool loud = false;
                for (int c = 0; c < w.channels; ++c) {
                    const int v = std::abs(int(int16_t(uint8_t(b[s + 2 * c]) | uint8_t(b[s + 2 * c + 1]) << 8)));
                    w.peak = std::max(w.peak, v);
                    loud = loud || v > 327;
                }
                ++w.frames;
                w.loudFrames += loud;
            }
        }
        at = body + size + (size & 1);
    }
    return w;
}

TEST(SoundTest, ASongOfTheCdRenderedThroughTheSynthesiserSounds) {
    const std::string wav = testing_support::MakeScratchDir("sound") + "/song0.wav";
    double seconds = 0;
    try {
        seconds = plat::RenderSongToWave(kCd + "/Resource/Song0.mid", wav, /*maxSeconds=*/6.0);
    } catch (const plat::Exception& e) {
        FAIL() << e.Message();
    }
    EXPECT_GT(seconds, 5.9);
    const WaveSummary w = ReadWave(wav);
    EXPECT_EQ(w.channels, 2);
    EXPECT_EQ(w.rate, 44100);
    EXPECT_GE(w.frames, size_t(44100 * 5.9));
    // Louder than -30 dB of full scale at its peak (the synthesiser's own gain keeps it well below
    // full scale), and music rather than one click: a good part of the time carries sound.
    EXPECT_GT(w.peak, 1000) << "the song is nearly silent";
    EXPECT_GT(w.loudFrames, w.frames / 5);
}

TEST(SoundTest, FilesThePlayerCannotUseAreRefusedWithTheirName) {
    const std::string dir = testing_support::MakeScratchDir("sound");
    {
        std::ofstream(dir + "/text.mid") << "not a song";
    }
    auto player = plat::MakeMidiPlayer();
    const std::string text = plat::WinPathOf(dir + "/text.mid");
    const std::string missing = plat::WinPathOf(dir + "/missing.mid");
    for (const std::string& song : {text, missing}) {
        try {
            player->Open(song);
            ADD_FAILURE() << song << " was opened";
        } catch (const plat::Exception& e) {
            EXPECT_NE(e.Message().find(song), std::string::npos) << e.Message();
        }
    }
    EXPECT_THROW(player->Play(), plat::Exception); // nothing open
    player->Stop();
    player->Close();
    EXPECT_THROW(plat::RenderSongToWave(dir + "/text.mid", dir + "/x.wav", 1.0), plat::Exception);
}

} // namespace
