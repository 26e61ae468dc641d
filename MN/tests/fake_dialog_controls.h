// A DialogControls without widgets: remembers texts and enabled states,
// answers confirmations from a script and records every modal box in order.
#pragma once

#include "mn/dialog_controls.h"
#include "mn/resource.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace mn::testing {

class FakeDialogControls : public DialogControls {
public:
    std::map<int, std::string> texts;
    std::map<int, bool> enabled;
    std::vector<std::string> list_entries;
    std::string selected_entry;
    std::deque<int> confirmation_answers; // scripted: 6 or 7 per confirmation
    std::vector<std::string> modal_boxes; // "confirm 1", "warning <text>", ...
    int end_value = -1;

    std::string text(int control) const override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void set_text(int control, const std::string& text) override { texts[control] = text; }
    void set_enabled(int control, bool state) override { enabled[control] = state; }
    void set_list_entries(int, const std::vector<std::string>& entries) override {
        list_entries = entries;
    }
    void select_list_entry(int, const std::string& text) override { selected_entry = text; }
    int confirm(ConfirmationKind kind) override {
        modal_boxes.push_back("confirm " + std::to_string(static_cast<int>(kind)));
        if (confirmation_answers.empty()) {
            return 0; // unexpected: ended without a button
        }
        const int answer = confirmation_answers.front();
        confirmation_answers.pop_front();
        return answer;
    }
    int show_warning(const std::string& text, const std::string& title) override {
        modal_boxes.push_back("warning " + text + " | " + title);
        return id::ok;
    }
    void end_dialog(int return_value) override { end_value = return_value; }

    bool is_enabled(int control) const {
        const auto found = enabled.find(control);
        return found == enabled.end() ? true : found->second;
    }
};

} // namespace mn::testing
