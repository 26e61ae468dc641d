#include "mn/front_listing.h"

#include "kelvab/fixed_field.h"
#include "kelvab/kelvab.h"

#include <filesystem>

namespace mn {

const std::array<const char*, component_count> component_listing_label = {
    " CO......KOHLENMONOXYD........: ", " C4H6....BUTADIEN.............: ",
    " C4H8....BUTYLEN..............: ", " C2H4....AETHYLEN.............: ",
    " C3H6....PROPYLEN.............: ", " H2S.....SCHWEFEL-WASSERSTOFF.: ",
    " H2......WASSERSTOFF..........: ", " C3H8....PROPAN...............: ",
    " C2H6....AETHAN...............: ", " C4H10...BUTAN................: ",
    " CH4.....METHAN...............: ", " CxHy....HOEH.KOHLEN-WASSERST.: ",
    " C5H12...PENTAN...............: ", " N2......STICKSTOFF...........: ",
    " CO2.....KOHLENDIOXYD.........: ", " O2......SAUERSTOFF...........: ",
    " H2O.....WASSERDAMPF..........: "};

std::string front_listing_path() {
    constexpr int32_t capacity = 255;
    char value[capacity];
    kelvab::environment_lookup("TEMP", 4, value, capacity);
    const int32_t directory_length = kelvab::leading_part_length(value, ' ', capacity);
    std::string path(value, static_cast<std::size_t>(directory_length));
    path += static_cast<char>(std::filesystem::path::preferred_separator);
    path += "mn.lst";
    return path;
}

std::string listing_header_line(const char date[8], const char time[8]) {
    return " BRENNGAS-DATEN-BERECHNUNG  " + std::string(date, 8) + "  " + std::string(time, 8);
}

std::string listing_unit_line(const std::string& unit_text) {
    return " GAS-ANALYSE IN" + padded_unit_text(unit_text);
}

std::string listing_component_line(int slot, float apportioned_value) {
    return std::string(component_listing_label[static_cast<std::size_t>(slot - 1)], 31) +
           kelvab::real_field(apportioned_value, 6, 2);
}

std::string listing_inert_free_line(float methane_number_inert_free) {
    return " METHANZAHL (INERTGASFREI) =" + kelvab::real_field(methane_number_inert_free, 5, 1);
}

std::string listing_whole_gas_line(float methane_number) {
    return " METHANZAHL (GESAMT-GEM.)  =" + kelvab::real_field(methane_number, 5, 1);
}

FrontListing::FrontListing(const std::string& path)
    : file_(path, std::ios::binary | std::ios::trunc) {}

void FrontListing::write_line(const std::string& line) {
    if (file_.is_open()) {
        file_ << line << "\r\n";
    }
}

} // namespace mn
