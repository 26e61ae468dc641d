#include "progress_bar.hpp"

#include <algorithm>
#include <cstdio>
#include <string>

namespace mncalc {

namespace {

constexpr auto first_show = std::chrono::seconds(1);
constexpr auto redraw_interval = std::chrono::milliseconds(200);
constexpr int bar_width = 24;

std::string duration_text(double seconds) {
    const auto total = static_cast<long long>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", total / 60, total % 60);
    return text;
}

} // namespace

ProgressBar::ProgressBar(bool enabled, std::uint64_t total_bytes)
    : enabled_(enabled), total_bytes_(total_bytes), start_(Clock::now()), last_draw_(start_) {}

void ProgressBar::update(std::uint64_t rows, std::uint64_t bytes_done) {
    if (!enabled_) {
        return;
    }
    const auto now = Clock::now();
    if (now - start_ < first_show || now - last_draw_ < redraw_interval) {
        return;
    }
    last_draw_ = now;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    const double rate = static_cast<double>(rows) / elapsed;
    std::string line(1, '\r');
    line.append(std::to_string(rows)).append(" rows  ");
    line.append(std::to_string(static_cast<long long>(rate))).append(" rows/s");
    if (total_bytes_ > 0 && bytes_done > 0) {
        const double done =
            std::min(1.0, static_cast<double>(bytes_done) / static_cast<double>(total_bytes_));
        const auto filled = static_cast<std::size_t>(done * bar_width);
        line.append("  [").append(filled, '#').append(bar_width - filled, '.').append("] ");
        line.append(std::to_string(static_cast<int>(done * 100.0))).append("%  ");
        line.append(duration_text(elapsed * (1.0 - done) / done)).append(" left");
    }
    line += "\x1b[K"; // erase the rest of an earlier, longer line
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    shown_ = true;
}

void ProgressBar::clear() {
    if (shown_) {
        std::fputs("\r\x1b[K", stderr);
        std::fflush(stderr);
        shown_ = false;
    }
}

} // namespace mncalc
