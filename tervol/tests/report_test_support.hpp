// Helpers shared by the report tests: fixed stamps, golden files, CR LF text.
#pragma once

#include "tervol/calculation.hpp"

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

namespace report_test {

inline tervol::ReportStamp stamp(std::string_view date, std::string_view time) {
    tervol::ReportStamp s;
    std::copy(date.begin(), date.begin() + 8, s.date.begin());
    std::copy(time.begin(), time.begin() + 8, s.time.begin());
    return s;
}

// The stamp of the published example report.
inline tervol::ReportStamp example_stamp() { return stamp("05.03.16", "09:04:07"); }

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string golden(const std::string& name) {
    return read_file(std::string(TERVOL_TEST_DATA_DIR) + "/" + name);
}

// Lines joined with the report's CR LF line ends.
inline std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

// Volume percent by slot number, every other slot 0.
inline tervol::Composition gas(std::initializer_list<std::pair<int, float>> slots) {
    tervol::Composition c{};
    for (auto [slot, value] : slots) {
        c[static_cast<std::size_t>(slot - 1)] = value;
    }
    return c;
}

} // namespace report_test
