#include "tests/support/Scratch.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testing_support {

const std::string& ScratchRoot() {
    static const std::string root = [] {
        std::string pattern = (fs::temp_directory_path() / "velmora-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder");
        return pattern;
    }();
    return root;
}

std::string MakeScratchDir(std::string_view hint) {
    static std::atomic<int> counter{0};
    const fs::path dir = fs::path(ScratchRoot()) / (std::string(hint) + "-" + std::to_string(++counter));
    fs::create_directories(dir);
    return dir.string();
}

void WriteHostFile(const std::string& path, std::string_view bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadHostFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string TestDataDir(std::string_view sub) {
    const fs::path dir = fs::path(VELMORA_TESTDATA_DIR) / sub;
    return fs::is_directory(dir) ? dir.string() : std::string();
}

} // namespace testing_support
