// The report file "tervol.lst" of the legacy entry METHAN, in the directory
// named by the environment variable TEMP.
#pragma once

#include "tervol/calculation.hpp"

#include <string>
#include <string_view>

namespace tervol::listing {

// The longest path the report may have; a longer one gets no report.
inline constexpr std::size_t path_capacity = 255;

// TEMP up to its first blank (at most 255 characters of it), the platform's
// separator and "tervol.lst"; the separator and the name alone when TEMP is
// not set or starts with a blank. Empty when the whole path would be longer
// than 255 characters: a cut path would name some other file.
std::string listing_path();

// Date and time of the header from the local clock.
ReportStamp stamp_now();

// The report file of one call: opened (created when missing) when
// constructed, closed and kept when destroyed, on every path; it then holds
// exactly what was written, nothing of an earlier report. A file that cannot
// be opened or written is silently left out: the calculation never depends
// on its report.
class ListingFile {
  public:
    ListingFile() : ListingFile(listing_path()) {}
    explicit ListingFile(const std::string& path);
    ~ListingFile();
    ListingFile(const ListingFile&) = delete;
    ListingFile& operator=(const ListingFile&) = delete;

    bool is_open() const { return descriptor_ >= 0; }
    // The whole report at once, from the file's beginning.
    void write(std::string_view text);

  private:
    int descriptor_ = -1;
    bool written_ = false;
};

// The calculation of METHAN with its report in the file of listing_path(),
// opened before anything else and closed on every path. `buffer` receives the
// report's text; the entry keeps it so that its storage is reused.
Result calculate_with_listing_file(const Composition& gas, std::string& buffer);

} // namespace tervol::listing
