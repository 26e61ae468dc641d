// Helpers shared by the display-free tests: scratch space, the fixed clock
// of the published listing example, file contents.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace mn::testing {

// Scratch space; not temp_directory_path(), which reads the TEMP that the
// tests set.
inline std::filesystem::path scratch_base() {
    const char* tmpdir = std::getenv("TMPDIR");
    return tmpdir != nullptr && *tmpdir != '\0' ? std::filesystem::path(tmpdir)
                                                 : std::filesystem::path("/tmp");
}

// An empty directory named for the running test, under the scratch space.
inline std::filesystem::path fresh_test_directory(const std::string& prefix) {
    const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    const std::filesystem::path directory =
        scratch_base() / (prefix + std::to_string(unit.random_seed()) + "_" +
                          unit.current_test_info()->name());
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory;
}

// 5 March 2016, 09:04:07: the date of the published listing example.
inline void fixed_date_time(char* date, char* time) {
    std::copy_n("05.03.16", 8, date);
    std::copy_n("09:04:07", 8, time);
}

inline std::string file_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace mn::testing
