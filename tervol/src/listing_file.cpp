#include "listing_file.hpp"

#include "kelvab/kelvab.h"
#include "report_writer.hpp"

namespace tervol::listing {
namespace {

#if defined(_WIN32)
constexpr char separator = '\\';
#else
constexpr char separator = '/';
#endif

constexpr std::string_view file_name = "tervol.lst";

} // namespace

std::string listing_path() {
    char directory[path_capacity];
    kelvab::environment_lookup("TEMP", 4, directory, static_cast<int32_t>(path_capacity));
    const auto length = static_cast<std::size_t>(
        kelvab::leading_part_length(directory, ' ', static_cast<int32_t>(path_capacity)));
    if (length + 1 + file_name.size() > path_capacity) {
        return {};
    }
    std::string path(directory, length);
    path += separator;
    path += file_name;
    return path;
}

ReportStamp stamp_now() {
    ReportStamp stamp;
    kelvab::date_time_texts(stamp.date.data(), stamp.time.data());
    return stamp;
}

ListingFile::ListingFile(const std::string& path) {
    if (!path.empty()) {
        // Binary: the report's CR LF line ends are written as they stand.
        file_ = std::fopen(path.c_str(), "wb");
    }
}

ListingFile::~ListingFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void ListingFile::write(std::string_view text) {
    if (file_ != nullptr && !text.empty()) {
        std::fwrite(text.data(), 1, text.size(), file_);
    }
}

Result calculate_with_listing_file(const Composition& gas, std::string& buffer) {
    ListingFile file;
    if (!file.is_open()) {
        return calculate(gas); // the same result, without formatting a report nobody gets
    }
    buffer.clear();
    const Result result = calculate_into(gas, stamp_now(), buffer);
    file.write(buffer);
    return result;
}

} // namespace tervol::listing
