// The hand-written form of the product's rich-text documents and the form the designer's reader
// takes. Sources are UTF-8 and easy to edit; the reader sees single bytes in Windows Cyrillic
// and drops line breaks as if they were absent. The conversion writes every character outside
// ASCII as a "\'xx" escape of its cp1251 code and ends lines with CR LF, and it refuses what the
// reader would show wrongly: a character cp1251 cannot hold, or a line break between two
// characters of text (or a control word and a letter), which the reader would glue together.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace helptext {

class RtfSourceError : public std::runtime_error {
public:
    RtfSourceError(int line, const std::string& what) : std::runtime_error(what), Line(line) {}
    int Line; // 1-based line of the source
};

// Raises RtfSourceError.
std::string RtfSourceToReaderForm(std::string_view source);

} // namespace helptext
