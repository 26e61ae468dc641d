// Where the batch output goes: a file or the standard output.
#pragma once

#include <stdexcept>
#include <string_view>

namespace mncalc {

class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class OutputSink {
  public:
    explicit OutputSink(int fd) : fd_(fd) {}
    // Writes all of `text`; throws OutputError when the system refuses.
    void write(std::string_view text);

  private:
    int fd_;
};

} // namespace mncalc
