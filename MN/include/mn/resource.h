// Dialog and control identifiers of the front end. The widgets
// carry them as their object names, so tests find a control by its number.
#pragma once

namespace mn::id {

// Dialog templates.
inline constexpr int main_dialog = 106;
inline constexpr int apportion_confirmation = 113;
inline constexpr int exit_confirmation = 116;
inline constexpr int clear_confirmation = 120;

// Picture resources (drawn in code, see pictures.h).
inline constexpr int logo_picture = 105;
inline constexpr int title_banner_picture = 111;

// Buttons of the confirmation dialogs; also the confirmation answers.
inline constexpr int yes = 6;
inline constexpr int no = 7;

// Return value of a warning message box (its one OK button).
inline constexpr int ok = 1;

// Controls of the main dialog.
inline constexpr int input_group = 1001;
inline constexpr int gas_composition_label = 1002;
inline constexpr int first_component_field = 1003; // 1002 + slot, slots 1 to 17
inline constexpr int last_component_field = 1019;
inline constexpr int total_field = 1020;
inline constexpr int first_component_label = 1022; // 1021 + slot
inline constexpr int last_component_label = 1038;
inline constexpr int total_label = 1039;
inline constexpr int calculate_button = 1040;
inline constexpr int exit_button = 1041;
inline constexpr int output_group = 1047;
inline constexpr int result_field = 1050;
inline constexpr int methane_number_label = 1057;
inline constexpr int unit_selector = 1068;
inline constexpr int clear_button = 1071;
inline constexpr int help_button = 1072;
inline constexpr int maker_label = 1073;
inline constexpr int title_banner = 1076;
inline constexpr int library_version_label = 1077;
inline constexpr int library_version_field = 1078;
inline constexpr int front_end_version_label = 1079;
inline constexpr int logo = -1;

// Main dialog's return value after Exit.
inline constexpr int exit_return_value = 4;

// Process exit status of `frontend` (the platform reports 999 mod 256 = 231).
inline constexpr int process_exit_status = 999;

inline constexpr int component_field(int slot) { return 1002 + slot; }
inline constexpr int component_label(int slot) { return 1021 + slot; }
inline constexpr int slot_of_field(int control) { return control - 1002; }
inline constexpr bool is_component_field(int control) {
    return control >= first_component_field && control <= last_component_field;
}

} // namespace mn::id
