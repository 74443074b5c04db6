#include "platform/print/PdfNoScaling.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace plat {

namespace {

// Limits that keep a damaged file from sending the reader far: object numbers and offsets are
// those of the small files the printer writes.
constexpr size_t kMaxObjectNumber = 10'000'000;
constexpr size_t kTailWindow = 1024;
constexpr size_t kXrefEntryBytes = 20;
constexpr size_t kMaxCatalogBytes = 64 * 1024;

bool IsSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

void SkipSpace(std::string_view s, size_t& pos) {
    while (pos < s.size() && IsSpace(s[pos]))
        ++pos;
}

bool ReadNumber(std::string_view s, size_t& pos, size_t& value) {
    SkipSpace(s, pos);
    const char* first = s.data() + pos;
    const char* last = s.data() + s.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end == first)
        return false;
    pos += static_cast<size_t>(end - first);
    return true;
}

bool Expect(std::string_view s, size_t& pos, std::string_view word) {
    SkipSpace(s, pos);
    if (s.substr(pos, word.size()) != word)
        return false;
    pos += word.size();
    return true;
}

// Offset of the last cross-reference section, from the "startxref" near the end.
std::optional<size_t> LastXref(std::string_view pdf) {
    const size_t from = pdf.size() > kTailWindow ? pdf.size() - kTailWindow : 0;
    const size_t at = pdf.rfind("startxref");
    if (at == std::string_view::npos || at < from)
        return std::nullopt;
    size_t pos = at + 9, offset = 0;
    if (!ReadNumber(pdf, pos, offset) || offset >= pdf.size())
        return std::nullopt;
    return offset;
}

struct Xref {
    size_t CatalogOffset = 0;
    size_t CatalogNumber = 0;
    size_t Size = 0;
    std::string_view TrailerBody; // between the trailer's "<<" and its ">>"
};

// Finds `number`'s entry in the table starting at `pos` ("xref" already read) and the trailer.
std::optional<Xref> ReadXref(std::string_view pdf, size_t pos) {
    std::optional<size_t> catalogOffset;
    Xref x;
    std::vector<std::pair<size_t, size_t>> sections; // (first object, offset of its entries)
    while (true) {
        SkipSpace(pdf, pos);
        if (pdf.substr(pos, 7) == "trailer")
            break;
        size_t first = 0, count = 0;
        if (!ReadNumber(pdf, pos, first) || !ReadNumber(pdf, pos, count) || first > kMaxObjectNumber ||
            count > kMaxObjectNumber)
            return std::nullopt;
        SkipSpace(pdf, pos);
        if (count > (pdf.size() - pos) / kXrefEntryBytes)
            return std::nullopt;
        sections.emplace_back(first, pos);
        pos += count * kXrefEntryBytes;
        // Entries end in a two-byte end of line; some writers give one byte and a blank.
    }
    pos += 7;
    if (!Expect(pdf, pos, "<<"))
        return std::nullopt;
    const size_t bodyStart = pos;
    const size_t bodyEnd = pdf.find(">>", pos);
    if (bodyEnd == std::string_view::npos)
        return std::nullopt;
    x.TrailerBody = pdf.substr(bodyStart, bodyEnd - bodyStart);
    const size_t root = x.TrailerBody.find("/Root");
    const size_t size = x.TrailerBody.find("/Size");
    if (root == std::string_view::npos || size == std::string_view::npos)
        return std::nullopt;
    size_t p = root + 5, generation = 0;
    if (!ReadNumber(x.TrailerBody, p, x.CatalogNumber) || !ReadNumber(x.TrailerBody, p, generation) ||
        !Expect(x.TrailerBody, p, "R"))
        return std::nullopt;
    p = size + 5;
    if (!ReadNumber(x.TrailerBody, p, x.Size) || x.Size > kMaxObjectNumber)
        return std::nullopt;
    for (const auto& [first, entries] : sections) {
        if (x.CatalogNumber < first)
            continue;
        const size_t index = x.CatalogNumber - first;
        const size_t at = entries + index * kXrefEntryBytes;
        if (at + kXrefEntryBytes > pdf.size() || pdf.substr(at + 17, 1) != "n")
            continue;
        size_t e = at, offset = 0;
        if (ReadNumber(pdf, e, offset) && offset < pdf.size())
            catalogOffset = offset;
    }
    if (!catalogOffset)
        return std::nullopt;
    x.CatalogOffset = *catalogOffset;
    return x;
}

// The catalog's dictionary text, without its outer "<<" and ">>".
std::optional<std::string_view> CatalogBody(std::string_view pdf, const Xref& x) {
    size_t pos = x.CatalogOffset, number = 0, generation = 0;
    if (!ReadNumber(pdf, pos, number) || number != x.CatalogNumber || !ReadNumber(pdf, pos, generation) ||
        !Expect(pdf, pos, "obj") || !Expect(pdf, pos, "<<"))
        return std::nullopt;
    const size_t end = pdf.find("endobj", pos);
    if (end == std::string_view::npos || end - pos > kMaxCatalogBytes)
        return std::nullopt;
    const size_t close = pdf.substr(0, end).rfind(">>");
    if (close == std::string_view::npos || close < pos)
        return std::nullopt;
    return pdf.substr(pos, close - pos);
}

// The trailer's entries without /Prev, which the update sets anew.
std::string TrailerEntries(std::string_view body) {
    std::string out(body);
    const size_t prev = out.find("/Prev");
    if (prev == std::string::npos)
        return out;
    size_t pos = prev + 5, value = 0;
    if (ReadNumber(out, pos, value))
        out.erase(prev, pos - prev);
    return out;
}

} // namespace

std::optional<std::string> NoScalingUpdate(std::string_view pdf) {
    const std::optional<size_t> xrefAt = LastXref(pdf);
    if (!xrefAt)
        return std::nullopt;
    size_t pos = *xrefAt;
    if (!Expect(pdf, pos, "xref"))
        return std::nullopt;
    const std::optional<Xref> x = ReadXref(pdf, pos);
    if (!x)
        return std::nullopt;
    const std::optional<std::string_view> catalog = CatalogBody(pdf, *x);
    if (!catalog || catalog->find("/ViewerPreferences") != std::string_view::npos)
        return std::nullopt;

    const bool endsInLine = !pdf.empty() && (pdf.back() == '\n' || pdf.back() == '\r');
    std::string update = endsInLine ? "" : "\n";
    const size_t objectAt = pdf.size() + update.size();
    const std::string number = std::to_string(x->CatalogNumber);
    update += number + " 0 obj\n<<";
    update += *catalog;
    update += "\n/ViewerPreferences << /PrintScaling /None >>\n>>\nendobj\n";
    const size_t xrefOffset = pdf.size() + update.size();
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n\r\n", objectAt);
    update += "xref\n" + number + " 1\n" + entry;
    update += "trailer\n<<" + TrailerEntries(x->TrailerBody) + " /Prev " + std::to_string(*xrefAt) + "\n>>\n";
    update += "startxref\n" + std::to_string(xrefOffset) + "\n%%EOF\n";
    return update;
}

NoScalingResult AddNoScalingPreference(const std::string& hostPath) {
    std::string bytes;
    {
        std::ifstream in(hostPath, std::ios::binary);
        if (!in)
            return NoScalingResult::IoError;
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            return NoScalingResult::IoError;
    }
    const std::optional<std::string> update = NoScalingUpdate(bytes);
    if (!update)
        return NoScalingResult::NotUnderstood;
    std::ofstream out(hostPath, std::ios::binary | std::ios::app);
    out.write(update->data(), static_cast<std::streamsize>(update->size()));
    out.close();
    return out.fail() ? NoScalingResult::IoError : NoScalingResult::Added;
}

} // namespace plat
