// The main dialog's behaviour in plain C++: the handlers
// edit the front-end state and talk to the widgets only through
// DialogControls, so they run without a display.
#pragma once

#include "mn/dialog_controls.h"
#include "mn/front_services.h"
#include "mn/front_state.h"

#include <string>

namespace mn {

// Warning texts; "\r" starts a new line in the box.
inline const std::string gas_content_missing_text = "Gas content missing !";
inline const std::string total_out_of_range_text =
    " The Total is < 95% or > 105%;\r correct the input please !";
inline const std::string high_hydrocarbon_text = " MN not confident,\r due to high content of C>C4 !";
inline const std::string wrong_mixture_text = "Wrong mixture specification !";
inline const std::string delta_mn_text = "MN not confident due to delta MN >5 !";
inline const std::string mn_invalid_text = "MN invalid !";

// Request code of the help worker that opens the documentation.
inline constexpr int32_t open_documentation = 1;

// The result field's text after a calculation: R = methane number
// + 0.5 (in single precision) truncated toward zero, in 6 columns, followed by
// " ?" when the result stands with reservation or the C>C4 flag is set, blank
// for status 4. A methane number that is not finite, or whose R lies far
// outside any integer a 6-column field can show, is never converted to an
// integer: it shows as six asterisks, like any number too wide for its field.
std::string result_text(float methane_number, int32_t calculation_status,
                        int32_t high_hydrocarbon_flag);

// A value in the redisplay layout: two blanks, then 8 columns with 3 decimals.
std::string redisplay_field(float value);

class MainDialogHandlers {
public:
    MainDialogHandlers(FrontState& state, DialogControls& controls, FrontServices services);

    // Set up main dialog without the binding, which is the
    // dialog's: the version text, the redisplay and the unit selector's list.
    void set_up();

    // Handlers, called on user actions only.
    void component_text_changed(int control);
    void unit_selection_changed();
    void button_clicked(int control);

    // Operations that the handlers share.
    void set_version_text();
    void redisplay_fields();
    void clear_result(int flag);
    void confirm(ConfirmationKind kind);
    void warning_message(const std::string& text);

    // The branches of the button handler.
    void clear();
    void calculate();
    void help();
    void exit();

    // The calculation command alone.
    void run_calculation_command();

    const FrontState& state() const { return state_; }

private:
    void show_result();

    FrontState& state_;
    DialogControls& controls_;
    FrontServices services_;
};

} // namespace mn
