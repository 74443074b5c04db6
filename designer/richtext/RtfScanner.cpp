// The reader's tokenizer; see RtfScanner.h for the rules it follows.
#include "designer/richtext/RtfScanner.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <limits>
#include <vector>

namespace {

// Consumed characters are dropped from the buffer once this many have gathered.
constexpr size_t kCompactThreshold = 64 * 1024;

enum class ParamForm { Required, Optional, ZeroOnly, None };

struct WordDef {
    std::string_view Name; // without the backslash
    ParamForm Form;
};

// Index + 1 is the control-word number.
constexpr std::array<WordDef, 39> kWords = {{
    {"f", ParamForm::Required},      {"fs", ParamForm::Required},   {"s", ParamForm::Required},
    {"cf", ParamForm::Required},     {"cb", ParamForm::Required},   {"linex", ParamForm::Optional},
    {"deftab", ParamForm::Optional}, {"b", ParamForm::ZeroOnly},    {"i", ParamForm::ZeroOnly},
    {"strike", ParamForm::ZeroOnly}, {"caps", ParamForm::ZeroOnly}, {"scaps", ParamForm::ZeroOnly},
    {"v", ParamForm::ZeroOnly},      {"plain", ParamForm::None},    {"keepn", ParamForm::None},
    {"pard", ParamForm::None},       {"ul", ParamForm::None},       {"ulw", ParamForm::None},
    {"uld", ParamForm::None},        {"uldb", ParamForm::None},     {"ulnone", ParamForm::None},
    {"qr", ParamForm::None},         {"ql", ParamForm::None},       {"qc", ParamForm::None},
    {"qj", ParamForm::None},         {"brdrt", ParamForm::None},    {"brdrb", ParamForm::None},
    {"brdrl", ParamForm::None},      {"brdrr", ParamForm::None},    {"box", ParamForm::None},
    {"up", ParamForm::Required},     {"dn", ParamForm::Required},   {"fi", ParamForm::Optional},
    {"li", ParamForm::Optional},     {"ri", ParamForm::Optional},   {"sb", ParamForm::Optional},
    {"sa", ParamForm::Optional},     {"sl", ParamForm::Optional},   {"brspn", ParamForm::Optional},
}};

bool IsLetter(int c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

bool IsAlnum(int c) {
    return IsLetter(c) || IsDigit(c);
}

bool IsTextChar(int c) {
    return c >= 0x20 && c != ' ' && c != '\\' && c != '{' && c != '}';
}

int HexValue(int c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool FormAccepts(ParamForm form, std::string_view param) {
    switch (form) {
    case ParamForm::Required:
        return !param.empty();
    case ParamForm::Optional:
        return true;
    case ParamForm::ZeroOnly:
        return param.empty() || param == "0";
    case ParamForm::None:
        return param.empty();
    }
    return false;
}

int WordNumber(std::string_view letters, std::string_view param) {
    for (size_t i = 0; i < kWords.size(); ++i) {
        if (kWords[i].Name == letters)
            return FormAccepts(kWords[i].Form, param) ? static_cast<int>(i) + 1 : rwOther;
    }
    return rwOther;
}

// A document file read through a window of kWindowBytes: the scanner asks for 128 bytes at a
// time, and a seek and a read of the file for each would cost more than scanning them.
class FileInput : public TRtfInput {
public:
    explicit FileInput(const std::string& path) : stream_(path, std::ios::binary) {}
    bool IsOpen() const { return stream_.is_open(); }
    size_t ReadAt(uint64_t offset, char* dest, size_t count) override {
        if (!Holds(offset, count))
            Load(offset);
        if (offset < start_ || offset - start_ >= window_.size())
            return 0;
        const size_t at = static_cast<size_t>(offset - start_);
        const size_t n = std::min(count, window_.size() - at);
        std::memcpy(dest, window_.data() + at, n);
        return n;
    }
    uint64_t Size() override {
        stream_.clear();
        stream_.seekg(0, std::ios::end);
        const auto end = stream_.tellg();
        return end < 0 ? 0 : static_cast<uint64_t>(end);
    }

private:
    static constexpr size_t kWindowBytes = 64 * 1024;

    // True when the window answers the request: it holds all of it, or all the file has from there.
    bool Holds(uint64_t offset, size_t count) const {
        if (offset < start_)
            return false;
        const uint64_t end = start_ + window_.size();
        return offset + count <= end || (atEnd_ && offset <= end);
    }
    void Load(uint64_t offset) {
        window_.resize(kWindowBytes);
        start_ = offset;
        stream_.clear();
        stream_.seekg(static_cast<std::streamoff>(offset));
        size_t got = 0;
        if (stream_) {
            stream_.read(window_.data(), static_cast<std::streamsize>(kWindowBytes));
            got = static_cast<size_t>(stream_.gcount());
        }
        window_.resize(got);
        atEnd_ = got < kWindowBytes;
    }

    std::ifstream stream_;
    std::vector<char> window_;
    uint64_t start_ = 0;
    bool atEnd_ = false;
};

} // namespace

size_t TRtfMemoryInput::ReadAt(uint64_t offset, char* dest, size_t count) {
    if (offset >= bytes_.size())
        return 0;
    const size_t n = std::min<uint64_t>(count, bytes_.size() - offset);
    std::memcpy(dest, bytes_.data() + offset, n);
    return n;
}

std::string ReadInputBytes(TRtfInput& input, uint64_t offset, size_t count) {
    std::string bytes;
    char block[64 * 1024];
    while (bytes.size() < count) {
        const size_t n = input.ReadAt(offset + bytes.size(), block, std::min(sizeof block, count - bytes.size()));
        if (n == 0)
            break;
        bytes.append(block, n);
    }
    return bytes;
}

std::unique_ptr<TRtfInput> OpenRtfFile(const std::string& hostPath) {
    auto input = std::make_unique<FileInput>(hostPath);
    if (!input->IsOpen())
        return nullptr;
    return input;
}

int RtfParam(std::string_view tokenText, int fallback) {
    // The digits, "+" and "-" of the token, read as one decimal number.
    int64_t value = 0;
    bool negative = false;
    bool anyDigit = false;
    bool signAllowed = true;
    bool any = false;
    for (char c : tokenText) {
        if (c == '+' || c == '-') {
            if (!signAllowed)
                return fallback;
            negative = c == '-';
            signAllowed = false;
            any = true;
            continue;
        }
        if (!IsDigit(c))
            continue;
        any = true;
        signAllowed = false;
        anyDigit = true;
        value = value * 10 + (c - '0');
        if (value > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1)
            return fallback;
    }
    if (!any || !anyDigit)
        return fallback;
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
        return fallback;
    return static_cast<int>(value);
}

TRtfScanner& SharedRtfScanner() {
    static TRtfScanner scanner;
    return scanner;
}

void TRtfScanner::SetInput(TRtfInput* input) {
    input_ = input;
    Seek(0);
}

void TRtfScanner::Seek(uint64_t offset) {
    buf_.clear();
    idx_ = 0;
    pushEnd_ = 0;
    streamBase_ = offset;
    atEnd_ = false;
    styleChain_ = 0;
}

uint64_t TRtfScanner::Position() const {
    if (idx_ <= pushEnd_)
        return streamBase_;
    return streamBase_ + (idx_ - pushEnd_);
}

void TRtfScanner::Compact() {
    if (idx_ == 0)
        return;
    if (idx_ >= pushEnd_) {
        streamBase_ += idx_ - pushEnd_;
        pushEnd_ = 0;
    } else {
        pushEnd_ -= idx_;
    }
    buf_.erase(0, idx_);
    idx_ = 0;
}

bool TRtfScanner::PushBack(std::string_view text) {
    if (text.empty())
        return true;
    const size_t pending = pushEnd_ > idx_ ? pushEnd_ - idx_ : 0;
    if (pending + text.size() > kPushBackSize || styleChain_ >= kMaxStyleChain)
        return false;
    ++styleChain_;
    Compact();
    buf_.insert(0, text);
    pushEnd_ += text.size();
    return true;
}

bool TRtfScanner::Fill() {
    if (atEnd_ || input_ == nullptr)
        return false;
    char block[kBlockSize];
    const uint64_t offset = streamBase_ + (buf_.size() - pushEnd_);
    const size_t n = input_->ReadAt(offset, block, kBlockSize);
    if (n == 0) {
        atEnd_ = true;
        return false;
    }
    buf_.append(block, n);
    return true;
}

// The character at j, after skipping line breaks (j moves past them); -1 at the end of the input
// or at a zero byte.
int TRtfScanner::At(size_t& j) {
    for (;;) {
        if (j >= buf_.size() && !Fill())
            return -1;
        const auto c = static_cast<unsigned char>(buf_[j]);
        if (c == '\r' || c == '\n') {
            ++j;
            continue;
        }
        return c == 0 ? -1 : c;
    }
}

bool TRtfScanner::IsRunStart(size_t j) {
    const int c = At(j);
    if (IsTextChar(c))
        return true;
    if (c != '\\')
        return false;
    size_t k = j + 1;
    const int c1 = At(k);
    if (c1 == '\\')
        return true;
    if (c1 != '\'')
        return false;
    size_t h = k + 1;
    if (!IsAlnum(At(h)))
        return false;
    ++h;
    return IsAlnum(At(h));
}

void TRtfScanner::ReadTextRun(size_t j, TRtfToken& token) {
    token.Kind = TokenKind::Text;
    while (token.Text.size() < kMaxToken) {
        const int c = At(j);
        if (IsTextChar(c)) {
            token.Text += static_cast<char>(c);
            ++j;
            continue;
        }
        if (c != '\\' || !IsRunStart(j))
            break;
        size_t k = j + 1;
        const int c1 = At(k);
        if (c1 == '\\') {
            if (token.Text.size() + 2 > kMaxToken)
                break;
            token.Text += "\\\\";
            j = k + 1;
            continue;
        }
        size_t h = k + 1;
        const int hi = HexValue(At(h));
        ++h;
        const int lo = HexValue(At(h));
        token.Text += (hi < 0 || lo < 0) ? ' ' : static_cast<char>(hi * 16 + lo);
        j = h + 1;
    }
    idx_ = j;
}

void TRtfScanner::ReadControlWord(size_t j, TRtfToken& token) {
    // j is just past the backslash, at a letter.
    token.Kind = TokenKind::Control;
    token.Text += '\\';
    const size_t start = token.Text.size();
    int c = At(j);
    while (IsLetter(c) && token.Text.size() < kMaxToken) {
        token.Text += static_cast<char>(c);
        c = At(++j);
    }
    const size_t letterEnd = token.Text.size();
    while ((IsDigit(c) || c == '-') && token.Text.size() < kMaxToken) {
        token.Text += static_cast<char>(c);
        c = At(++j);
    }
    const size_t paramEnd = token.Text.size();
    if (c == ' ' && token.Text.size() < kMaxToken) {
        token.Text += ' ';
        ++j;
    }
    const std::string_view text = token.Text;
    token.Number =
        paramEnd == kMaxToken && paramEnd > letterEnd
            ? rwOther
            : WordNumber(text.substr(start, letterEnd - start), text.substr(letterEnd, paramEnd - letterEnd));
    idx_ = j;
}

// A "*" that starts no longer text run: drops the rest of the current group and yields its "}".
bool TRtfScanner::SkipGroup(size_t j, TRtfToken& token) {
    int depth = 0;
    for (;;) {
        idx_ = j;
        if (idx_ > kCompactThreshold) {
            Compact();
            j = idx_;
        }
        const int c = At(j);
        if (c < 0) {
            idx_ = j;
            return false;
        }
        ++j;
        if (c == '\\') {
            if (At(j) >= 0)
                ++j;
            continue;
        }
        if (c == '{') {
            ++depth;
            continue;
        }
        if (c != '}')
            continue;
        if (depth == 0) {
            idx_ = j;
            token.Kind = TokenKind::Control;
            token.Text += '}';
            return true;
        }
        --depth;
    }
}

// At a backslash (j past it): a control word, an escape, or a lone backslash that is skipped.
// Returns false when the backslash was skipped and no token was made.
bool TRtfScanner::ReadBackslash(size_t j, TRtfToken& token) {
    size_t k = j;
    const int c1 = At(k);
    if (IsLetter(c1)) {
        ReadControlWord(k, token);
        return true;
    }
    if (c1 == '{') {
        size_t m = k + 1;
        const int b = At(m);
        size_t m2 = m + 1;
        const int mm = b == 'b' ? At(m2) : -1;
        size_t m3 = m2 + 1;
        const int kind = mm == 'm' ? At(m3) : -1;
        if (kind == 'c' || kind == 'l' || kind == 'r') {
            token.Kind = TokenKind::Control;
            token.Number = rwBitmapRef;
            token.Text += "\\{bm";
            token.Text += static_cast<char>(kind);
            size_t e = m3 + 1;
            if (At(e) == ' ') {
                token.Text += ' ';
                ++e;
            }
            idx_ = e;
            return true;
        }
        token.Kind = TokenKind::Text;
        token.Text += '{';
        idx_ = k + 1;
        return true;
    }
    if (c1 == '}') {
        token.Kind = TokenKind::Text;
        token.Text += '}';
        idx_ = k + 1;
        return true;
    }
    return false;
}

// Some writers mark footnotes as ignorable destinations ("#{\\*\\footnote ...}"). After a
// footnote mark the "\\*" is dropped, so that the footnote is read like any other instead of the
// "*" rule discarding the whole group and the topic's name with it.
void TRtfScanner::SkipIgnorableMark() {
    size_t j = idx_;
    if (At(j) != '\\')
        return;
    size_t k = j + 1;
    if (At(k) == '*')
        idx_ = k + 1;
}

bool TRtfScanner::Next(TRtfToken& token) {
    token.Text.clear();
    token.Kind = TokenKind::Text;
    token.Number = rwOther;
    if (idx_ > kCompactThreshold)
        Compact();
    for (;;) {
        if (idx_ >= pushEnd_)
            styleChain_ = 0;
        size_t j = idx_;
        const int c = At(j);
        if (c < 0) {
            idx_ = j;
            return false;
        }
        if (c == '#' || c == '$' || c == '+' || c == 'B' || c == 'K') {
            size_t k = j + 1;
            if (At(k) == '{') {
                token.Text += static_cast<char>(c);
                token.Text += '{';
                idx_ = k + 1;
                SkipIgnorableMark();
                if (token.Text.size() >= kMaxToken)
                    return true;
                continue;
            }
        }
        if (c == '\\') {
            if (IsRunStart(j)) {
                ReadTextRun(j, token);
                return true;
            }
            if (ReadBackslash(j + 1, token))
                return true;
            size_t k = j + 1;
            if (At(k) == '*')
                return SkipGroup(k + 1, token);
            idx_ = j + 1; // a lone backslash
            continue;
        }
        if (c == '{' || c == '}') {
            token.Kind = TokenKind::Control;
            token.Text += static_cast<char>(c);
            idx_ = j + 1;
            return true;
        }
        if (c == ' ') {
            token.Text += ' ';
            idx_ = j + 1;
            return true;
        }
        if (c == '\t') {
            token.Kind = TokenKind::Control;
            token.Text += "\\tab";
            idx_ = j + 1;
            return true;
        }
        if (IsTextChar(c)) {
            ReadTextRun(j, token);
            return true;
        }
        idx_ = j + 1; // any other control byte
    }
}
