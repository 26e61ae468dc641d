// Helpers shared by the display-free tests: scratch space, the fixed clock
// of the published listing example, file contents.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace mn::testing {

// Scratch space; not temp_directory_path(), which reads the TEMP that the
// tests set.
inline std::filesystem::path scratch_base() {
    const char* tmpdir = std::getenv("TMPDIR");
    return tmpdir != nullptr && *tmpdir != '\0' ? std::filesystem::path(tmpdir)
                                                 : std::filesystem::path("/tmp");
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
