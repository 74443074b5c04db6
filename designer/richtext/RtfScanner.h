// The tokenizer of the rich-text reader. It reads a document in blocks of 128 bytes from a byte
// offset, skips line breaks as if absent, and yields text tokens and control tokens by the
// longest-match rules of the reader (control words 1 to 40 are recognised with their parameter
// forms; any other control word is number 0). Style definitions are pushed back into the input so
// that their control words are read next.
//
// The ignorable-destination rule drops the rest of a group at "\\*" only. A "*" on its own is
// text: documents use it as a footnote marker or bullet ("\\b *\\plain"), and dropping the rest of
// the enclosing group there would lose the remainder of the document.
//
// One scanner serves every document: each operation points it at its own input and seeks first.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Random access to the bytes of a document.
class TRtfInput {
public:
    virtual ~TRtfInput() = default;
    // Copies up to `count` bytes from `offset`; returns how many (0 at the end).
    virtual size_t ReadAt(uint64_t offset, char* dest, size_t count) = 0;
    virtual uint64_t Size() = 0;
};

// A document held in memory (tests, fuzzers, the clipboard).
class TRtfMemoryInput : public TRtfInput {
public:
    explicit TRtfMemoryInput(std::string bytes) : bytes_(std::move(bytes)) {}
    size_t ReadAt(uint64_t offset, char* dest, size_t count) override;
    uint64_t Size() override { return bytes_.size(); }

private:
    std::string bytes_;
};

// A host file opened for reading; the file stays open as long as the object lives.
std::unique_ptr<TRtfInput> OpenRtfFile(const std::string& hostPath);

// `count` bytes from `offset`, or as many as the input has: ReadAt may answer with fewer bytes
// than asked (a file is read through a window), so this reads until the count is reached.
std::string ReadInputBytes(TRtfInput& input, uint64_t offset, size_t count);

enum class TokenKind { Text, Control };

struct TRtfToken {
    std::string Text;
    TokenKind Kind = TokenKind::Text;
    int Number = 0; // control word 1 to 40, 0 for any other
    bool IsControl() const { return Kind == TokenKind::Control; }
    bool IsText() const { return Kind == TokenKind::Text; }
    bool Is(std::string_view text) const { return Text == text; }
    // The page break that ends a topic: "\page", with or without its delimiting space.
    bool IsPageBreak() const { return IsControl() && (Is("\\page") || Is("\\page ")); }
};

// Control-word numbers of the reader's table.
enum RtfWord : int {
    rwOther = 0,
    rwF = 1,
    rwFs,
    rwS,
    rwCf,
    rwCb,
    rwLinex,
    rwDeftab,
    rwB,
    rwI,
    rwStrike,
    rwCaps,
    rwScaps,
    rwV,
    rwPlain,
    rwKeepn,
    rwPard,
    rwUl,
    rwUlw,
    rwUld,
    rwUldb,
    rwUlnone,
    rwQr,
    rwQl,
    rwQc,
    rwQj,
    rwBrdrt,
    rwBrdrb,
    rwBrdrl,
    rwBrdrr,
    rwBox,
    rwUp,
    rwDn,
    rwFi,
    rwLi,
    rwRi,
    rwSb,
    rwSa,
    rwSl,
    rwBrspn,
    rwBitmapRef = 40,
};

// The parameter of a control token: its digits, "+" and "-" read as a decimal number; `fallback`
// when there are none or they do not form a 32-bit number.
int RtfParam(std::string_view tokenText, int fallback);

class TRtfScanner {
public:
    static constexpr size_t kBlockSize = 128;
    static constexpr size_t kMaxToken = 200;
    static constexpr size_t kPushBackSize = 2048;
    // Style definitions that expand into further style references without reading the document
    // in between are followed this deep; a style that refers to itself would otherwise loop.
    static constexpr int kMaxStyleChain = 16;

    // The input must outlive its use; Seek before scanning.
    void SetInput(TRtfInput* input);
    TRtfInput* Input() const { return input_; }
    // Discards everything buffered and pushed back.
    void Seek(uint64_t offset);
    // The next token; false at the end of the input or at a zero byte.
    bool Next(TRtfToken& token);
    // Offset of the next document byte not yet consumed. Pushed-back style text is not part of
    // the document and has no offset; while some is left, this is the offset of the document byte
    // that follows it.
    uint64_t Position() const;
    // Puts text in front of the input. Refused (false) when the push-back buffer would overflow
    // or the style chain is too deep.
    bool PushBack(std::string_view text);

private:
    int At(size_t& j);
    bool Fill();
    void Compact();
    bool IsRunStart(size_t j);
    void ReadTextRun(size_t j, TRtfToken& token);
    bool ReadBackslash(size_t j, TRtfToken& token);
    bool SkipGroup(size_t j, TRtfToken& token);
    void ReadControlWord(size_t j, TRtfToken& token);
    void SkipIgnorableMark();

    TRtfInput* input_ = nullptr;
    std::string buf_;    // pushed-back text, then document bytes
    size_t idx_ = 0;     // next unconsumed character in buf_
    size_t pushEnd_ = 0; // buf_[pushEnd_] is the document byte at streamBase_
    uint64_t streamBase_ = 0;
    bool atEnd_ = false;
    int styleChain_ = 0;
};

// The scanner every viewer shares.
TRtfScanner& SharedRtfScanner();
