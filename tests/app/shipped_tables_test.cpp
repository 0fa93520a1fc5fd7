#include "app/shipped_tables.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_folder.h"

namespace orvane {
namespace {

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ShippedTables, FoundBesideAnInstallThenInTheBuildTree) {
    struct Case {
        const char* name;
        bool installed, beside;
        const char* expected;  // relative to the prefix; empty: none
    };
    const Case cases[] = {
        {"installed", true, false, "share/orvane/Federal.dtt"},
        {"build tree", false, true, "bin/Federal.dtt"},
        {"both: the install wins", true, true, "share/orvane/Federal.dtt"},
        {"neither", false, false, ""},
    };
    for (const auto& c : cases) {
        test::TempFolder prefix(false);
        std::filesystem::create_directories(prefix.path / "bin");
        if (c.installed) writeFile(prefix.path / "share/orvane/Federal.dtt", "t");
        if (c.beside) writeFile(prefix.path / "bin/Federal.dtt", "t");
        const auto found = shippedFederalTables(prefix.path / "bin");
        if (*c.expected)
            EXPECT_EQ(found, (prefix.path / c.expected).lexically_normal()) << c.name;
        else
            EXPECT_FALSE(found) << c.name;
    }
    EXPECT_FALSE(shippedFederalTables({}));
}

TEST(ShippedTables, PreparingAFolderCopiesTheTablesOnlyWhenMissing) {
    test::TempFolder prefix(false);
    writeFile(prefix.path / "share/orvane/Federal.dtt", "shipped");
    const auto bin = prefix.path / "bin";
    std::filesystem::create_directories(bin);

    const auto fresh = prefix.path / "home/Orvane";
    ASSERT_TRUE(prepareWorkingFolder(fresh, bin));
    EXPECT_EQ(readFile(fresh / "Federal.dtt"), "shipped");

    const auto own = prefix.path / "own";
    writeFile(own / "Federal.dtt", "edited");
    ASSERT_TRUE(prepareWorkingFolder(own, bin));
    EXPECT_EQ(readFile(own / "Federal.dtt"), "edited");

    writeFile(prefix.path / "a-file", "x");
    EXPECT_FALSE(prepareWorkingFolder(prefix.path / "a-file", bin));
}

}  // namespace
}  // namespace orvane
