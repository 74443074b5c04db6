// The error types of the system. Every failure the program reports is one of these, carrying the
// message it shows; handlers catch the base class at event dispatch and show Message().
#pragma once

#include <stdexcept>
#include <string>

namespace plat {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that is not a number where one was required.
class EConvertError : public Exception {
    using Exception::Exception;
};

// A file or folder that cannot be found, read, written or named.
class EFileError : public Exception {
    using Exception::Exception;
};

// The registry refused an access (wrong type, missing key) or its file could not be used.
class ERegistryException : public Exception {
    using Exception::Exception;
};

// Formats a message with one "%s" replaced by text, as the runtime's messages are written.
std::string FormatMessage(const std::string& pattern, const std::string& text);

// The system's reason for an errno value in the runtime's own words ("No such file or
// directory"), whatever the desktop's language: the C library would give the reason in the
// locale's language and encoding, which a cp1251 message cannot carry.
std::string SystemErrorText(int error);

} // namespace plat
