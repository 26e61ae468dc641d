// The dialog templates as data: identifiers, kinds, texts,
// positions and sizes in dialog units, in template order (which is also the
// drawing order and the tab order). The Qt dialogs are built from these.
#pragma once

#include <array>
#include <span>

namespace mn {

enum class ControlKind {
    group_box,
    static_text,          // left-aligned
    centred_static_text,
    unit_selector,        // drop-down combination box with an editable text part
    component_field,      // edit field with border, horizontal auto-scroll, tab stop
    read_only_field,      // edit field with border, read-only
    borderless_read_only_field,
    push_button,
    logo_picture,         // picture with a sunken frame
    banner_picture,
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height; // dialog units
};

struct DialogSize {
    int width, height; // dialog units
};

inline constexpr DialogSize main_dialog_size = {377, 397};
// Placement relative to the client area of the owner, in dialog units.
inline constexpr int main_dialog_x = -5;
inline constexpr int main_dialog_y = -63;
inline constexpr const char* main_dialog_title = "Methane Number Calculation";
inline constexpr const char* message_title = "MN-calculation";

// Font of every dialog: an 8-point sans-serif face.
inline constexpr int dialog_font_points = 8;

// The 52 controls of template 106.
std::span<const ControlTemplate> main_dialog_controls();

// The input rows from top to bottom: the slot shown in each.
inline constexpr std::array<int, 17> input_row_slots = {15, 14, 16, 7, 1,  11, 4,  9, 5,
                                                        8,  2,  3,  10, 13, 12, 6, 17};

enum class ConfirmationIcon { warning, question };

struct ConfirmationTemplate {
    int id;
    DialogSize size;
    int x, y;                       // placement relative to the owner's client area
    int yes_x, yes_y, yes_width, yes_height;
    int no_x, no_y, no_width, no_height;
    int picture_x, picture_y, picture_width, picture_height;
    ConfirmationIcon icon;
    const char* question;
};

inline constexpr ConfirmationTemplate apportion_confirmation_template = {
    113, {189, 86}, 60, 165, 46, 61, 50, 14, 111, 60, 50, 15, 0, 0, 189, 52,
    ConfirmationIcon::warning,
    "The Total is not equal to 100% ! Would you like to apportion the gas components to 100%?"};
inline constexpr ConfirmationTemplate clear_confirmation_template = {
    120, {166, 83}, 60, 165, 25, 62, 50, 14, 94, 62, 50, 14, 0, 0, 166, 52,
    ConfirmationIcon::question, "Do you really want to clear your whole input?"};
inline constexpr ConfirmationTemplate exit_confirmation_template = {
    116, {162, 87}, 60, 165, 25, 62, 50, 14, 99, 62, 50, 14, 0, 0, 162, 52,
    ConfirmationIcon::question, "Do you really want to Exit the MN-calculation?"};

} // namespace mn
