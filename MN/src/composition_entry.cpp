// Composition entry: the component field handler, the unit
// selector handler, Clear and the redisplay.
#include "mn/main_dialog_handlers.h"
#include "mn/number_reader.h"
#include "mn/resource.h"

#include "kelvab/fixed_field.h"

namespace mn {

void MainDialogHandlers::component_text_changed(int control) {
    clear_result(0);
    if (!id::is_component_field(control)) {
        return;
    }
    const int slot = id::slot_of_field(control);
    const std::optional<float> figure = read_number(controls_.text(control));
    if (!figure) {
        return; // unreadable: entry value, Total and field text stay as they are
    }
    state_.entry_values[static_cast<std::size_t>(slot - 1)] = *figure;
    float total = 0.0f;
    for (float value : state_.entry_values) {
        total += value; // single precision, in slot order
    }
    state_.total = total;
    // The field being typed into is not rewritten, only the Total.
    controls_.set_text(id::total_field, kelvab::real_field(state_.total, 8, 3));
}

void MainDialogHandlers::unit_selection_changed() {
    clear_result(0);
    state_.unit_text = padded_unit_text(controls_.text(id::unit_selector));
}

void MainDialogHandlers::clear() {
    confirm(ConfirmationKind::clear);
    if (state_.confirmation_answer == id::no) {
        return;
    }
    state_.entry_values.fill(0.0f);
    state_.total = 0.0f;
    redisplay_fields();
    controls_.set_text(id::result_field, "");
    clear_result(1);
}

void MainDialogHandlers::redisplay_fields() {
    for (int slot = 1; slot <= component_count; ++slot) {
        controls_.set_text(id::component_field(slot),
                           redisplay_field(state_.entry_values[static_cast<std::size_t>(slot - 1)]));
    }
    controls_.set_text(id::total_field, redisplay_field(state_.total));
}

} // namespace mn
