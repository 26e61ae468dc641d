// Progress of a long batch run on standard error: rows done, rows per
// second, and the share of the input and the time left when the input's
// size is known. It shows only after the first second, so that short runs
// stay silent.
#pragma once

#include <chrono>
#include <cstdint>

namespace mncalc {

class ProgressBar {
  public:
    // `total_bytes` 0: size unknown (a pipe).
    ProgressBar(bool enabled, std::uint64_t total_bytes);

    void update(std::uint64_t rows, std::uint64_t bytes_done);
    // Removes the bar, e.g. before a message is printed; it comes back at the next update.
    void clear();
    void finish() { clear(); }

  private:
    using Clock = std::chrono::steady_clock;
    bool enabled_;
    std::uint64_t total_bytes_;
    Clock::time_point start_;
    Clock::time_point last_draw_;
    bool shown_ = false;
};

} // namespace mncalc
