// With ORVANE_TEST_LOCALE set (ctest's run "under a decimal-comma locale"), every engine test runs
// in that locale.

#include <cstdlib>

#include "support/test_locale.h"

namespace {

class TestLocale : public ::testing::Environment {
public:
    void SetUp() override {
        const char* name = std::getenv("ORVANE_TEST_LOCALE");
        if (name && *name) orvane::test::useLocale(name);
    }
};

[[maybe_unused]] const auto* const kTestLocale = ::testing::AddGlobalTestEnvironment(new TestLocale);

}  // namespace
