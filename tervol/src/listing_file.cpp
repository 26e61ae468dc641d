#include "listing_file.hpp"

#include "kelvab/kelvab.h"
#include "report_writer.hpp"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

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

// The earlier report is overwritten from the beginning and then cut to the
// new length, not emptied when opened: emptying a file that has data makes
// some file systems (ext4) write it out at once, which costs far more than
// the calculation. Non-blocking: a pipe without a reader under the report's
// name must not hang the call (regular files ignore the flag).
ListingFile::ListingFile(const std::string& path) {
    if (!path.empty()) {
        descriptor_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    }
}

ListingFile::~ListingFile() {
    if (descriptor_ >= 0) {
        if (!written_) {
            static_cast<void>(::ftruncate(descriptor_, 0));
        }
        ::close(descriptor_);
    }
}

void ListingFile::write(std::string_view text) {
    if (descriptor_ < 0 || written_) {
        return;
    }
    written_ = true;
    std::size_t done = 0;
    while (done < text.size()) {
        const auto count = ::write(descriptor_, text.data() + done, text.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            break; // a full disk or a write error: the report stays short
        }
        done += static_cast<std::size_t>(count);
    }
    static_cast<void>(::ftruncate(descriptor_, static_cast<off_t>(done)));
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
