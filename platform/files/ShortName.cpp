// Deterministic 8.3 short names; the rule is written out in ShortName.h.
#include "platform/files/ShortName.h"

#include "platform/text/Cp1251.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

namespace plat::detail {

namespace {

constexpr size_t kShortBaseLength = 8;
constexpr size_t kShortExtLength = 3;
constexpr size_t kBasisLength = 6;
// Numbering stops here: "X~999999" is the last short name a basis can give.
constexpr unsigned kMaxTail = 999999;

bool IsShortNameChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80)
        return true;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    static constexpr std::string_view kPunctuation = "!#$%&'()-@^_`{}~";
    return kPunctuation.find(c) != std::string_view::npos;
}

bool AllShortNameChars(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsShortNameChar);
}

// Upper-cases a part of a long name for a short name: blanks and dots go, unusable characters
// become "_".
std::string CleanPart(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ' || c == '.')
            continue;
        out += IsShortNameChar(c) ? UpperChar(c) : '_';
    }
    return out;
}

struct Basis {
    std::string base; // at most 6 characters, never empty
    std::string ext;  // at most 3 characters, may be empty
};

Basis BasisOf(std::string_view name) {
    size_t dot = name.rfind('.');
    if (dot == 0 || (dot != std::string_view::npos && name.find_first_not_of('.') > dot))
        dot = std::string_view::npos; // ".profile", "..x": the dot starts no extension
    Basis basis;
    basis.base = CleanPart(dot == std::string_view::npos ? name : name.substr(0, dot));
    if (dot != std::string_view::npos)
        basis.ext = CleanPart(name.substr(dot + 1));
    if (basis.base.empty())
        basis.base = "_";
    if (basis.base.size() > kBasisLength)
        basis.base.resize(kBasisLength);
    if (basis.ext.size() > kShortExtLength)
        basis.ext.resize(kShortExtLength);
    return basis;
}

std::string Candidate(const Basis& basis, unsigned tail) {
    const std::string number = "~" + std::to_string(tail);
    std::string out = basis.base.substr(0, std::min(basis.base.size(), kShortBaseLength - number.size()));
    out += number;
    if (!basis.ext.empty())
        out += "." + basis.ext;
    return out;
}

} // namespace

bool IsValidShortName(std::string_view name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    const size_t dot = name.find('.');
    if (dot == std::string_view::npos)
        return name.size() <= kShortBaseLength && AllShortNameChars(name);
    const std::string_view base = name.substr(0, dot);
    const std::string_view ext = name.substr(dot + 1);
    return !base.empty() && base.size() <= kShortBaseLength && !ext.empty() &&
           ext.size() <= kShortExtLength && AllShortNameChars(base) && AllShortNameChars(ext);
}

std::vector<std::string> AssignShortNames(const std::vector<std::string>& names) {
    std::vector<std::string> result(names.size());
    // Names that are valid 8.3 as they stand keep their name; no generated one may equal them.
    std::unordered_set<std::string> taken;
    std::vector<size_t> pending;
    for (size_t i = 0; i < names.size(); ++i) {
        if (IsValidShortName(names[i]))
            taken.insert(UpperCase(names[i]));
        else
            pending.push_back(i);
    }
    // Byte order of the long names (then index, for the rare equal names) fixes the numbering.
    std::sort(pending.begin(), pending.end(),
              [&](size_t a, size_t b) { return names[a] != names[b] ? names[a] < names[b] : a < b; });
    std::unordered_map<std::string, unsigned> nextTail; // basis -> lowest N not yet tried
    for (size_t index : pending) {
        const Basis basis = BasisOf(names[index]);
        const std::string key = basis.base + "." + basis.ext;
        unsigned& tail = nextTail.try_emplace(key, 1u).first->second;
        for (; tail <= kMaxTail; ++tail) {
            std::string candidate = Candidate(basis, tail);
            if (taken.insert(candidate).second) {
                result[index] = std::move(candidate);
                ++tail;
                break;
            }
        }
    }
    return result;
}

} // namespace plat::detail
