#include "tests/support/CommaLocale.h"

#include <cstring>

namespace testing_support {

CommaLocale::CommaLocale() {
    const char* current = std::setlocale(LC_ALL, nullptr);
    saved_ = current ? current : "C";
    for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
            active_ = true;
            return;
        }
    }
    std::setlocale(LC_ALL, saved_.c_str());
}

CommaLocale::~CommaLocale() { std::setlocale(LC_ALL, saved_.c_str()); }

} // namespace testing_support
