// The model file: lookup under the install folder then the data folder, its lines (cp1251,
// CR LF or bare LF, left-trimmed), and the model header line.
#pragma once

#include "platform/core/Exceptions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace geom {

// Named limits of model files.
inline constexpr int kMaxPieces = 64;                   // the per-piece material table has 64 entries
inline constexpr int32_t kMaxSheetUnits = 1'000'000;    // a sheet or piece side: 1 km on the standard doll
inline constexpr int64_t kMaxModelFileBytes = 16 << 20; // real model files are a few kilobytes

// A reading error with the place it happened; what() stays the message of the original error
// (for a bad number the runtime's "'%s' is not a valid integer value").
class EModelFileError : public plat::EConvertError {
public:
    EModelFileError(const std::string& message, std::string file, int line)
        : plat::EConvertError(message), File(std::move(file)), Line(line) {}
    std::string File;
    int Line = 0;              // 1-based; 0 = the file as a whole
    std::string Where() const; // "file:line: message"
};

// The model path + ".mdl", under the install folder if it exists there, else under the data folder.
std::string ModelFileName(std::string_view modelPath);

class TModelFile {
public:
    // Reads the whole file; a missing file raises the platform's file error.
    explicit TModelFile(std::string_view fileName);
    // For tests and the fuzzer: the file's bytes as given.
    TModelFile(std::string name, std::string_view bytes);

    bool Eof() const { return next_ >= lines_.size(); }
    std::string ReadLine(); // the next line, leading blanks and tabs removed; "" at the end
    int LineNumber() const { return int(next_); }
    const std::string& Name() const { return name_; }

private:
    void Split(std::string_view bytes);
    std::string name_;
    std::vector<std::string> lines_;
    size_t next_ = 0;
};

struct TModelHeader {
    std::string Name;
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<std::string> Conflicts;
    bool HatFlag = false;
};

TModelHeader ParseModelHeader(std::string_view line);

// "Name(a,b,...)" -> Name and the numbers after it, as a model or piece header is parsed.
struct TNamedNumbers {
    std::string Name;
    std::vector<std::string> Words;
};
TNamedNumbers ParseNamedNumbers(std::string_view text);

} // namespace geom
