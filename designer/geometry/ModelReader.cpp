// Reading model files line by line and parsing the header line.
#include "designer/geometry/ModelReader.h"

#include "designer/geometry/Primitiv.h"
#include "designer/shell/Settings.h"
#include "platform/core/Numeric.h"
#include "platform/files/Files.h"

namespace geom {

std::string EModelFileError::Where() const {
    return File + (Line > 0 ? ":" + plat::IntToStr(Line) : "") + ": " + what();
}

std::string ModelFileName(std::string_view modelPath) {
    const std::string name = std::string(modelPath) + ".mdl";
    const std::string installed = InstallFile(name);
    if (plat::FileExists(installed))
        return installed;
    return DataFile(name);
}

TModelFile::TModelFile(std::string_view fileName) : name_(fileName) {
    const int64_t size = plat::FileSize(fileName);
    if (size > kMaxModelFileBytes)
        throw EModelFileError("model file larger than " + plat::IntToStr(kMaxModelFileBytes) + " bytes",
                              name_, 0);
    Split(plat::ReadFileBytes(fileName));
}

TModelFile::TModelFile(std::string name, std::string_view bytes) : name_(std::move(name)) {
    if (int64_t(bytes.size()) > kMaxModelFileBytes)
        throw EModelFileError("model file larger than " + plat::IntToStr(kMaxModelFileBytes) + " bytes",
                              name_, 0);
    Split(bytes);
}

void TModelFile::Split(std::string_view bytes) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        std::string_view line = bytes.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
}

std::string TModelFile::ReadLine() {
    if (Eof())
        return {};
    const std::string& line = lines_[next_++];
    const size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : line.substr(first);
}

TNamedNumbers ParseNamedNumbers(std::string_view text) {
    TNamedNumbers result;
    auto words = SplitWords(text, "(");
    result.Name = words.empty() ? "" : words[0];
    std::string_view rest = text.substr(std::min(text.size(), result.Name.size() + 1));
    if (!rest.empty() && rest.back() == ')')
        rest.remove_suffix(1);
    result.Words = SplitWords(rest, ",");
    return result;
}

TModelHeader ParseModelHeader(std::string_view line) {
    TModelHeader header;
    auto parts = SplitWords(line, "|");
    const std::string headerPart = parts.empty() ? "" : parts[0];
    if (parts.size() > 1) {
        std::string_view conflicts = parts[1];
        if (!conflicts.empty() && conflicts.front() == '@') {
            header.HatFlag = true;
            conflicts.remove_prefix(1);
        }
        header.Conflicts = SplitWords(conflicts, ",");
    }
    auto named = ParseNamedNumbers(headerPart);
    header.Name = named.Name;
    header.Width = plat::StrToIntDecimal(named.Words.size() > 0 ? named.Words[0] : "");
    header.Height = plat::StrToIntDecimal(named.Words.size() > 1 ? named.Words[1] : "");
    return header;
}

} // namespace geom
