#include "tests/platform/print/PdfContent.h"

#include "platform/core/Numeric.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <zlib.h>

namespace print_test {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

Matrix Multiply(const Matrix& m, const Matrix& ctm) {
    return {m[0] * ctm[0] + m[1] * ctm[2],          m[0] * ctm[1] + m[1] * ctm[3],
            m[2] * ctm[0] + m[3] * ctm[2],          m[2] * ctm[1] + m[3] * ctm[3],
            m[4] * ctm[0] + m[5] * ctm[2] + ctm[4], m[4] * ctm[1] + m[5] * ctm[3] + ctm[5]};
}

bool Inflate(const std::string& compressed, std::string& out) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    char buffer[16384];
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        result = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - stream.avail_out);
    }
    inflateEnd(&stream);
    return result == Z_STREAM_END;
}

// Content-stream tokens: numbers, names, operators, strings; brackets stand alone.
std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::string current;
    auto flush = [&] {
        if (!current.empty())
            tokens.push_back(current);
        current.clear();
    };
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            flush();
        } else if (c == '[' || c == ']') {
            flush();
            tokens.push_back(std::string(1, c));
        } else {
            current += c;
        }
    }
    flush();
    return tokens;
}

// PDF numbers have a point whatever the locale the test runs under.
bool IsNumber(const std::string& token, double& value) { return plat::TryStrToFloat(token, value); }

bool IsPaint(const std::string& op) {
    return op == "f" || op == "f*" || op == "F" || op == "S" || op == "s" || op == "B" || op == "B*" ||
           op == "b" || op == "b*" || op == "n";
}

} // namespace

double PdfRect::WidthMm() const {
    return std::hypot(Ctm[0] * Width, Ctm[1] * Width) * kMmPerPoint;
}
double PdfRect::HeightMm() const {
    return std::hypot(Ctm[2] * Height, Ctm[3] * Height) * kMmPerPoint;
}
double PdfRect::LineWidthMm() const {
    return LineWidth * std::sqrt(std::abs(Ctm[0] * Ctm[3] - Ctm[1] * Ctm[2])) * kMmPerPoint;
}

std::vector<std::string> Streams(const std::string& pdf) {
    std::vector<std::string> streams;
    size_t position = 0;
    while ((position = pdf.find("stream", position)) != std::string::npos) {
        if (position >= 3 && pdf.compare(position - 3, 3, "end") == 0) {
            position += 6;
            continue;
        }
        size_t start = position + 6;
        if (pdf.compare(start, 2, "\r\n") == 0)
            start += 2;
        else if (start < pdf.size() && pdf[start] == '\n')
            ++start;
        const size_t end = pdf.find("endstream", start);
        if (end == std::string::npos)
            break;
        const size_t dictionary = pdf.rfind("<<", position);
        const bool flate =
            dictionary != std::string::npos &&
            pdf.substr(dictionary, position - dictionary).find("/FlateDecode") != std::string::npos;
        const std::string raw = pdf.substr(start, end - start);
        std::string inflated;
        streams.push_back(flate && Inflate(raw, inflated) ? inflated : raw);
        position = end + 9;
    }
    return streams;
}

std::vector<std::string> ContentStreams(const std::string& pdf) {
    std::vector<std::string> contents;
    static const std::regex kSetsMatrix(R"((^|\s)cm\s)");
    for (const std::string& stream : Streams(pdf)) {
        if (stream.find("cm") != std::string::npos && std::regex_search(stream, kSetsMatrix))
            contents.push_back(stream);
    }
    return contents;
}

PdfContent ParseContent(const std::string& stream) {
    struct State {
        Matrix Ctm{1, 0, 0, 1, 0, 0};
        double LineWidth = 1;
    };
    PdfContent content;
    std::vector<State> saved;
    State state;
    std::vector<double> operands;
    std::vector<size_t> unpainted; // rectangles waiting for their painting operator
    bool inText = false;
    for (const std::string& token : Tokens(stream)) {
        double value = 0;
        if (IsNumber(token, value)) {
            operands.push_back(value);
            continue;
        }
        if (token == "q") {
            saved.push_back(state);
        } else if (token == "Q" && !saved.empty()) {
            state = saved.back();
            saved.pop_back();
        } else if (token == "cm" && operands.size() >= 6) {
            const auto* m = &operands[operands.size() - 6];
            state.Ctm = Multiply({m[0], m[1], m[2], m[3], m[4], m[5]}, state.Ctm);
        } else if (token == "w" && !operands.empty()) {
            state.LineWidth = operands.back();
        } else if (token == "re" && operands.size() >= 4) {
            const auto* r = &operands[operands.size() - 4];
            content.Rects.push_back({r[0], r[1], r[2], r[3], state.Ctm, state.LineWidth, {}});
            unpainted.push_back(content.Rects.size() - 1);
        } else if (IsPaint(token)) {
            for (size_t index : unpainted) {
                content.Rects[index].Paint = token;
                content.Rects[index].LineWidth = state.LineWidth;
            }
            unpainted.clear();
        } else if (token == "BT") {
            inText = true;
            ++content.TextObjects;
        } else if (token == "ET") {
            inText = false;
        } else if (inText && (token == "Tj" || token == "TJ" || token == "'" || token == "\"")) {
            ++content.TextShows;
        } else if (token == "c" || token == "v" || token == "y") {
            ++content.Curves;
        } else if (token == "Do") {
            ++content.Images;
        }
        if (!token.empty() &&
            (std::isalpha(static_cast<unsigned char>(token[0])) || token == "'" || token == "\""))
            operands.clear();
    }
    return content;
}

} // namespace print_test
