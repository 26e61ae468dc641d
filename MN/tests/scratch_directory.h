// Where the display-free tests put their files.
#pragma once

#include <cstdlib>
#include <filesystem>

namespace mn::testing {

// Scratch space; not temp_directory_path(), which reads the TEMP that the
// tests set.
inline std::filesystem::path scratch_base() {
    const char* tmpdir = std::getenv("TMPDIR");
    return tmpdir != nullptr && *tmpdir != '\0' ? std::filesystem::path(tmpdir)
                                                 : std::filesystem::path("/tmp");
}

} // namespace mn::testing
