#include "platform/core/Exceptions.h"

#include <clocale>
#include <cstring>
#include <locale.h>

namespace plat {

std::string SystemErrorText(int error) {
    // One C locale for the process, made on first use and kept: strerror_l reads from it.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (c == static_cast<locale_t>(0))
        return "error " + std::to_string(error);
    return strerror_l(error, c);
}

std::string FormatMessage(const std::string& pattern, const std::string& text) {
    const auto at = pattern.find("%s");
    if (at == std::string::npos)
        return pattern;
    return pattern.substr(0, at) + text + pattern.substr(at + 2);
}

} // namespace plat
