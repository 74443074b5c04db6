// velmora-songs: writes the product's background songs as Standard MIDI Files.
//
//   velmora-songs <output folder> <song source>...
//
// Each source (data/music/songs/SongN.song) becomes <output folder>/SongN.mid. A source with an
// error stops the build with a message naming its file and line.
#include "data/music/MidiFile.h"
#include "data/music/SongArranger.h"
#include "data/music/SongSource.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw songs::SongError(path.string() + ": cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw songs::SongError(path.string() + ": cannot be written");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: velmora-songs <output folder> <song source>...\n");
        return 2;
    }
    const std::filesystem::path outDir = argv[1];
    try {
        std::filesystem::create_directories(outDir);
        for (int i = 2; i < argc; ++i) {
            const std::filesystem::path source = argv[i];
            const songs::SongSource song = songs::ParseSong(ReadText(source), source.filename().string());
            const std::filesystem::path target = outDir / (source.stem().string() + ".mid");
            WriteBytes(target, songs::WriteMidiFile(songs::Arrange(song)));
            std::printf("%s: %s, %.0f s\n", target.filename().c_str(), song.title.c_str(),
                        songs::PlayingSeconds(song));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmora-songs: %s\n", e.what());
        return 1;
    }
    return 0;
}
