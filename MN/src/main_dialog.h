// The main dialog (template 106): its widgets, bound to the
// handlers of MainDialogHandlers, and the DialogControls those handlers use.
#pragma once

#include "mn/dialog_controls.h"
#include "mn/front_services.h"
#include "mn/front_state.h"
#include "mn/main_dialog_handlers.h"

#include <QDialog>

#include <map>

class QCloseEvent;
class QKeyEvent;

namespace mn {

class DialogUnits;

class MainDialog : public QDialog, public DialogControls {
public:
    MainDialog(FrontState& state, FrontServices services, QWidget* owner = nullptr);

    // The control with this identifier (its object name is the number).
    QWidget* control(int id) const;

    // Places the dialog at (-5, -63) dialog units from the owner's client
    // area, kept inside the available area of the owner's screen.
    void place_relative_to(QWidget* client_area);

    MainDialogHandlers& handlers() { return handlers_; }

    // DialogControls
    std::string text(int control) const override;
    void set_text(int control, const std::string& text) override;
    void set_enabled(int control, bool enabled) override;
    void set_list_entries(int control, const std::vector<std::string>& entries) override;
    void select_list_entry(int control, const std::string& text) override;
    int confirm(ConfirmationKind kind) override;
    int show_warning(const std::string& text, const std::string& title) override;
    void end_dialog(int return_value) override;

    // The main dialog ends only through Exit.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build_controls(const DialogUnits& units);
    void bind_handlers();

    MainDialogHandlers handlers_;
    std::map<int, QWidget*> controls_;
};

} // namespace mn
