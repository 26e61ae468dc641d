// The front-end listing "mn.lst": its path, its lines, the file.
#pragma once

#include "mn/front_state.h"

#include <fstream>
#include <string>

namespace mn {

// The 32-character component labels of the library's label table,
// the front end's own copy; index 0 holds slot 1.
extern const std::array<const char*, component_count> component_listing_label;

// Directory from "TEMP" up to its first blank (at most 255 characters, as the
// utility routines give it), then the platform's separator and "mn.lst".
// Without "TEMP" the path is "/mn.lst".
std::string front_listing_path();

// Lines without their line end.
std::string listing_header_line(const char date[8], const char time[8]);
inline const std::string listing_version_line = " MN-VERSION: 2.0.1";
std::string listing_unit_line(const std::string& unit_text);
std::string listing_component_line(int slot, float apportioned_value);
std::string listing_inert_free_line(float methane_number_inert_free);
std::string listing_whole_gas_line(float methane_number);

// The listing file: created or overwritten when it is opened, every line
// ended with a carriage return and a line feed, bytes as given. When it
// cannot be opened its lines go nowhere (the calculation goes on).
class FrontListing {
public:
    explicit FrontListing(const std::string& path);
    void write_line(const std::string& line = {});
    bool is_open() const { return file_.is_open(); }

private:
    std::ofstream file_;
};

} // namespace mn
