#include "listing_file.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using tervol::listing::listing_path;

void set_temp(const std::optional<std::string>& value) {
    if (value) {
        ::setenv("TEMP", value->c_str(), 1);
    } else {
        ::unsetenv("TEMP");
    }
}

TEST(ListingPath, FromTemp) {
    const std::string dir244(244, 'd'); // 244 + "/tervol.lst" = 255 characters
    struct Case {
        const char* what;
        std::optional<std::string> temp;
        std::string expected;
    };
    const Case cases[] = {
        {"plain directory", "/var/tmp", "/var/tmp/tervol.lst"},
        {"cut at the first blank", "/var/my reports", "/var/my/tervol.lst"},
        {"unset: the root directory", std::nullopt, "/tervol.lst"},
        {"set but empty", "", "/tervol.lst"},
        {"leading blank", " /var/tmp", "/tervol.lst"},
        {"exactly 255 characters", dir244, dir244 + "/tervol.lst"},
        {"256 characters: no report", dir244 + "e", ""},
        {"longer than the lookup's buffer, no blank in it", std::string(300, 'd'), ""},
        {"long value cut at an early blank", std::string(99, 'd') + " " + std::string(200, 'e'),
         std::string(99, 'd') + "/tervol.lst"},
    };
    for (const Case& c : cases) {
        set_temp(c.temp);
        EXPECT_EQ(listing_path(), c.expected) << c.what;
    }
    ::unsetenv("TEMP");
}

TEST(ListingFile, MissingDirectoryIsLeftOut) {
    const auto dir = std::filesystem::temp_directory_path() / "tervol-no-such-directory";
    std::filesystem::remove_all(dir);
    tervol::listing::ListingFile file((dir / "tervol.lst").string());
    EXPECT_FALSE(file.is_open());
    file.write("ignored\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir));
}

} // namespace
