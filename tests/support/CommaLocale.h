// Runs a test body under a C library locale whose decimal separator is a comma, as a program on a
// Russian desktop has once the toolkit called setlocale(LC_ALL, ""). The tests run under
// ru_RU.UTF-8 as well (scripts/install-deps generates it); a machine without any comma locale
// skips the test, saying so.
#pragma once

#include <clocale>
#include <string>

namespace testing_support {

class CommaLocale {
public:
    CommaLocale();
    ~CommaLocale();
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    // False when no comma locale could be set; the test should GTEST_SKIP.
    bool Active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

} // namespace testing_support

// Skips the current test when no comma locale is available; otherwise it stays set to the end of
// the enclosing scope.
#define VELMORA_UNDER_COMMA_LOCALE()                                                               \
    testing_support::CommaLocale commaLocale_;                                                     \
    if (!commaLocale_.Active())                                                                    \
    GTEST_SKIP() << "no locale with a comma decimal separator (ru_RU.UTF-8) on this machine"
