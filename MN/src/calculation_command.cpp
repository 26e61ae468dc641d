// The calculation command and the result display.
#include "mn/front_listing.h"
#include "mn/main_dialog_handlers.h"
#include "mn/resource.h"
#include "mn/unit_conversion.h"

#include "kelvab/fixed_field.h"

#include <cmath>

namespace mn {

std::string result_text(float methane_number, int32_t calculation_status,
                        int32_t high_hydrocarbon_flag) {
    const bool with_question_mark =
        calculation_status == with_reservation ||
        (high_hydrocarbon_flag == 1 && calculation_status != invalid);
    if (!with_question_mark && calculation_status == invalid) {
        return "";
    }
    // R in single precision, as the dialog always computed it: the sum is
    // rounded before the truncation (0.49999997 + 0.5 gives 1).
    const float shifted = methane_number + 0.5f;
    std::string figure;
    if (std::isfinite(shifted) && std::fabs(shifted) < 1.0e9f) {
        figure = kelvab::integer_field(static_cast<int32_t>(shifted), 6);
    } else {
        figure = std::string(6, '*'); // NaN or far too large: no integer conversion
    }
    return with_question_mark ? figure + " ?" : figure;
}

void MainDialogHandlers::calculate() {
    run_calculation_command();
    redisplay_fields();
    show_result();
}

void MainDialogHandlers::show_result() {
    if (state_.calculation_status == gas_content_missing || state_.calculation_status == stopped) {
        return;
    }
    controls_.set_text(id::result_field, result_text(state_.methane_number,
                                                     state_.calculation_status,
                                                     state_.high_hydrocarbon_flag));
    clear_result(1);
}

void MainDialogHandlers::run_calculation_command() {
    const std::string listing_path = front_listing_path();
    state_.calculation_status = calculated;

    // The checks compare the stored single-precision Total with the
    // single-precision constants: 100.2f is 100.19999694824219.
    if (state_.total <= 0.0f) {
        warning_message(gas_content_missing_text);
        state_.calculation_status = gas_content_missing;
        return;
    }
    if (state_.total > 105.0f || state_.total < 95.0f) {
        warning_message(total_out_of_range_text);
        state_.calculation_status = stopped;
        return;
    }
    if (state_.total >= 100.2f || state_.total <= 99.8f) {
        confirm(ConfirmationKind::apportion);
        if (state_.confirmation_answer == id::no) {
            state_.calculation_status = stopped;
            return;
        }
    }

    // Opened only now, so that a run stopped by a check leaves an earlier
    // listing as it was.
    FrontListing listing(listing_path);
    char date[8];
    char time[8];
    services_.date_time(date, time);
    listing.write_line();
    listing.write_line(listing_header_line(date, time));
    listing.write_line();
    listing.write_line(listing_version_line);
    listing.write_line();
    listing.write_line(listing_unit_line(state_.unit_text));

    for (int slot = 1; slot <= component_count; ++slot) {
        float& entry = state_.entry_values[static_cast<std::size_t>(slot - 1)];
        const auto apportioned = static_cast<float>(static_cast<double>(entry) /
                                                    static_cast<double>(state_.total) * 100.0);
        entry = apportioned;
        state_.library_composition[static_cast<std::size_t>(slot - 1)] = apportioned;
        if (apportioned != 0.0f) {
            listing.write_line(listing_component_line(slot, apportioned));
        }
    }

    state_.library_composition = convert_to_volume_percent(state_.entry_values, state_.unit_text);
    state_.total = 100.0f;
    services_.methan(state_.library_composition.data(), &state_.status_code,
                     &state_.methane_number, &state_.methane_number_inert_free);

    state_.high_hydrocarbon_flag = 0;
    if (state_.status_code >= 10) {
        warning_message(high_hydrocarbon_text);
        state_.status_code -= 10;
        state_.high_hydrocarbon_flag = 1;
    }
    switch (state_.status_code) {
    case -1:
        warning_message(wrong_mixture_text);
        state_.calculation_status = stopped;
        break;
    case 3:
        warning_message(delta_mn_text);
        state_.calculation_status = with_reservation;
        break;
    case 4:
        warning_message(mn_invalid_text);
        state_.calculation_status = invalid;
        break;
    default:
        break; // 0, 1, 2 and anything else: no remark the front end reports
    }

    listing.write_line();
    listing.write_line(listing_inert_free_line(state_.methane_number_inert_free));
    listing.write_line();
    listing.write_line(listing_whole_gas_line(state_.methane_number));
}

} // namespace mn
