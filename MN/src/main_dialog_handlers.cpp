// Set-up, the button dispatch and the shared operations that the other
// handlers share.
#include "mn/main_dialog_handlers.h"

#include "mn/dialog_template.h"
#include "mn/resource.h"
#include "mn/version_text.h"

#include "kelvab/fixed_field.h"

#include <utility>

namespace mn {

std::string redisplay_field(float value) { return "  " + kelvab::real_field(value, 8, 3); }

MainDialogHandlers::MainDialogHandlers(FrontState& state, DialogControls& controls,
                                       FrontServices services)
    : state_(state), controls_(controls), services_(std::move(services)) {}

void MainDialogHandlers::set_up() {
    set_version_text();
    redisplay_fields();
    controls_.set_list_entries(id::unit_selector, {" Volume-%", " Mol-%", " Mass-%"});
    controls_.select_list_entry(id::unit_selector, state_.unit_text);
}

void MainDialogHandlers::set_version_text() {
    int32_t major = 0;
    int32_t minor = 0;
    int32_t patch = 0;
    services_.dllver(&major, &minor, &patch);
    controls_.set_text(id::library_version_field, version_text(major, minor, patch));
}

void MainDialogHandlers::button_clicked(int control) {
    switch (control) {
    case id::clear_button:
        clear();
        break;
    case id::calculate_button:
        calculate();
        break;
    case id::help_button:
        help();
        break;
    case id::exit_button:
        exit();
        break;
    default:
        break;
    }
}

void MainDialogHandlers::clear_result(int flag) {
    if (flag == 0) {
        controls_.set_text(id::result_field, "");
    }
    controls_.set_enabled(id::result_field, flag == 1);
}

void MainDialogHandlers::confirm(ConfirmationKind kind) {
    // The answer is not cleared first: a dialog ended without its buttons
    // leaves the previous answer.
    const int answer = controls_.confirm(kind);
    if (answer == id::yes || answer == id::no) {
        state_.confirmation_answer = answer;
    }
}

void MainDialogHandlers::warning_message(const std::string& text) {
    state_.confirmation_answer = controls_.show_warning(text, message_title);
}

void MainDialogHandlers::help() {
    if (services_.start_help_worker) {
        services_.start_help_worker(open_documentation);
    }
}

void MainDialogHandlers::exit() {
    confirm(ConfirmationKind::exit);
    if (state_.confirmation_answer == id::no) {
        return;
    }
    controls_.end_dialog(id::exit_return_value);
}

} // namespace mn
