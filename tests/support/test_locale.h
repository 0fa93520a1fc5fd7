#pragma once
// Numbers are read and written with the period whatever the locale: the tests prove it by running
// again under a decimal-comma locale (de_DE.UTF-8), as a desktop set to German, French or
// Spanish-of-Spain runs the program.

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

namespace orvane::test {

inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";

// Sets the C and C++ locales; fails the test when the locale is not installed or has no decimal
// comma, so that a run meant to show the fault cannot pass without it.
inline void useLocale(const char* name) {
    ASSERT_NE(std::setlocale(LC_ALL, name), nullptr)
        << "The locale " << name << " is not installed; make it with: localedef -i de_DE -f UTF-8 de_DE.UTF-8";
    std::locale::global(std::locale(name));
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",") << name << " has no decimal comma";
    // The system's reasons in messages stay in English, as the tests compare them.
    std::setlocale(LC_MESSAGES, "C");
}

// The C and C++ locales as they were, put back when the scope ends.
class LocaleScope {
public:
    explicit LocaleScope(const char* name) : m_c(std::setlocale(LC_ALL, nullptr)), m_cpp(std::locale()) {
        useLocale(name);
    }
    ~LocaleScope() {
        std::setlocale(LC_ALL, m_c.c_str());
        std::locale::global(m_cpp);
    }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    std::string m_c;
    std::locale m_cpp;
};

}  // namespace orvane::test
