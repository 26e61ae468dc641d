// Runs the built mncalc binary and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace mncalc_test {

struct Run {
    int exit_code = -1;
    std::string out;
    std::string err;
};

// `input` becomes the standard input.
Run run_mncalc(const std::vector<std::string>& arguments, const std::string& input = {});

// A file in a fresh temporary directory, removed with the object.
class TempFile {
  public:
    explicit TempFile(const std::string& content, const std::string& name = "input.csv");
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }
    std::string directory() const { return directory_; }
    std::string read() const;

  private:
    std::string directory_;
    std::string path_;
};

std::string read_file(const std::string& path);
std::string fixture(const std::string& name); // path of a file in tests/fixtures
std::vector<std::string> lines_of(const std::string& text);

} // namespace mncalc_test
