// What the handlers need of the dialog facility, as a small
// interface: the Qt dialog implements it, and the tests use a fake. Nothing
// done through it ever calls a handler back.
#pragma once

#include <string>
#include <vector>

namespace mn {

// The three confirmation dialogs").
enum class ConfirmationKind : int {
    apportion = 1, // template 113
    clear = 2,     // template 120
    exit = 3,      // template 116
};

class DialogControls {
public:
    virtual ~DialogControls() = default;

    // Text of a control; for the unit selector the text of its edit part.
    virtual std::string text(int control) const = 0;
    virtual void set_text(int control, const std::string& text) = 0;
    virtual void set_enabled(int control, bool enabled) = 0;

    // List of a drop-down control: replace its entries, and select the entry
    // whose text equals `text`.
    virtual void set_list_entries(int control, const std::vector<std::string>& entries) = 0;
    virtual void select_list_entry(int control, const std::string& text) = 0;

    // Runs the confirmation dialog modally; returns the identifier of the
    // button that ended it (6 Yes, 7 No), or 0 if it ended some other way.
    virtual int confirm(ConfirmationKind kind) = 0;

    // Modal warning box with one OK button; returns the box's return value.
    virtual int show_warning(const std::string& text, const std::string& title) = 0;

    // Ends the main dialog's modal run with the given return value.
    virtual void end_dialog(int return_value) = 0;
};

} // namespace mn
