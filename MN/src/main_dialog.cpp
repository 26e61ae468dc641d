#include "main_dialog.h"

#include "confirmation_dialog.h"
#include "dialog_units.h"
#include "mn/dialog_template.h"
#include "mn/resource.h"
#include "pictures.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace mn {
namespace {

QString qt_text(const std::string& text) { return QString::fromStdString(text); }

// Read-only edit fields on the grey of the dialog, as the platform draws them.
void make_read_only(QLineEdit* field) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
}

} // namespace

MainDialog::MainDialog(FrontState& state, FrontServices services, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      handlers_(state, *this, std::move(services)) {
    // Set up main dialog: load the template, then fill and bind.
    setObjectName(QString::number(id::main_dialog));
    setWindowTitle(QString::fromLatin1(main_dialog_title));
    setWindowIcon(flame_icon());
    setModal(true);
    setFont(dialog_font());
    const DialogUnits units(font());
    setFixedSize(units.x(main_dialog_size.width), units.y(main_dialog_size.height));
    build_controls(units);
    // Filled before the handlers are bound; the dialog's own changes never
    // reach them anyway.
    handlers_.set_up();
    bind_handlers();
}

void MainDialog::build_controls(const DialogUnits& units) {
    QWidget* previous_tab_stop = nullptr;
    for (const ControlTemplate& control : main_dialog_controls()) {
        const QString text = QString::fromLatin1(control.text);
        QRect geometry = units.rect(control.x, control.y, control.width, control.height);
        QWidget* widget = nullptr;
        bool tab_stop = false;
        switch (control.kind) {
        case ControlKind::group_box:
            widget = new QGroupBox(text, this);
            break;
        case ControlKind::static_text:
        case ControlKind::centred_static_text: {
            auto* label = new QLabel(text, this);
            label->setAlignment((control.kind == ControlKind::centred_static_text ? Qt::AlignHCenter
                                                                                  : Qt::AlignLeft) |
                                Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::unit_selector: {
            auto* selector = new QComboBox(this);
            selector->setEditable(true);
            selector->setInsertPolicy(QComboBox::NoInsert);
            selector->setCompleter(nullptr);
            selector->setMaxVisibleItems(3);
            // Text typed into the edit part must never choose an entry: the
            // unit changes only when an entry of the list is picked.
            selector->lineEdit()->blockSignals(true);
            // 44 units is the open list; the closed box is as tall as a field.
            geometry.setHeight(units.y(14));
            widget = selector;
            tab_stop = true;
            break;
        }
        case ControlKind::component_field: {
            auto* field = new QLineEdit(this);
            widget = field;
            tab_stop = true;
            break;
        }
        case ControlKind::read_only_field:
            widget = new QLineEdit(this);
            make_read_only(static_cast<QLineEdit*>(widget));
            break;
        case ControlKind::borderless_read_only_field: {
            auto* field = new QLineEdit(this);
            make_read_only(field);
            field->setFrame(false);
            // No panel either: the text stands on the dialog's ground.
            field->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; }"));
            field->setTextMargins(0, 0, 0, 0);
            widget = field;
            break;
        }
        case ControlKind::push_button: {
            auto* button = new QPushButton(text, this);
            // No default button: Enter presses the focused button only.
            button->setAutoDefault(false);
            widget = button;
            tab_stop = true;
            break;
        }
        case ControlKind::logo_picture:
            widget = new LogoPicture(this);
            break;
        case ControlKind::banner_picture:
            widget = new BannerPicture(text, this);
            break;
        }
        widget->setObjectName(QString::number(control.id));
        widget->setGeometry(geometry);
        if (tab_stop) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previous_tab_stop != nullptr) {
                setTabOrder(previous_tab_stop, widget);
            }
            previous_tab_stop = widget;
        } else if (qobject_cast<QLineEdit*>(widget) == nullptr) {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        controls_[control.id] = widget;
    }
}

void MainDialog::bind_handlers() {
    for (int field_id = id::first_component_field; field_id <= id::last_component_field;
         ++field_id) {
        // textEdited: the user's keystrokes, pastes and deletions only; the
        // dialog's own setText never reaches the handler.
        connect(static_cast<QLineEdit*>(control(field_id)), &QLineEdit::textEdited, this,
                [this, field_id] { handlers_.component_text_changed(field_id); });
    }
    for (int button_id : {id::clear_button, id::calculate_button, id::help_button, id::exit_button}) {
        connect(static_cast<QPushButton*>(control(button_id)), &QPushButton::clicked, this,
                [this, button_id] { handlers_.button_clicked(button_id); });
    }
    connect(static_cast<QComboBox*>(control(id::unit_selector)), &QComboBox::activated, this,
            [this] { handlers_.unit_selection_changed(); });
}

QWidget* MainDialog::control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void MainDialog::place_relative_to(QWidget* client_area) {
    const DialogUnits units(font());
    QPoint position = client_area->mapToGlobal(QPoint(units.x(main_dialog_x), units.y(main_dialog_y)));
    if (const QScreen* screen = client_area->screen()) {
        const QRect available = screen->availableGeometry();
        const QSize outer = frameGeometry().size();
        position.setX(qBound(available.left(), position.x(),
                             qMax(available.left(), available.right() + 1 - outer.width())));
        position.setY(qBound(available.top(), position.y(),
                             qMax(available.top(), available.bottom() + 1 - outer.height())));
    }
    move(position);
}

std::string MainDialog::text(int control_id) const {
    const QWidget* widget = control(control_id);
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        return field->text().toStdString();
    }
    if (const auto* selector = qobject_cast<const QComboBox*>(widget)) {
        return selector->currentText().toStdString();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text().toStdString();
    }
    return {};
}

void MainDialog::set_text(int control_id, const std::string& text) {
    QWidget* widget = control(control_id);
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        field->setText(qt_text(text));
        field->setCursorPosition(0);
    } else if (auto* selector = qobject_cast<QComboBox*>(widget)) {
        selector->setEditText(qt_text(text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(qt_text(text));
    }
}

void MainDialog::set_enabled(int control_id, bool enabled) {
    if (QWidget* widget = control(control_id)) {
        widget->setEnabled(enabled);
    }
}

void MainDialog::set_list_entries(int control_id, const std::vector<std::string>& entries) {
    if (auto* selector = qobject_cast<QComboBox*>(control(control_id))) {
        selector->clear();
        for (const std::string& entry : entries) {
            selector->addItem(qt_text(entry));
        }
    }
}

void MainDialog::select_list_entry(int control_id, const std::string& text) {
    auto* selector = qobject_cast<QComboBox*>(control(control_id));
    if (selector == nullptr) {
        return;
    }
    for (int index = 0; index < selector->count(); ++index) {
        if (padded_unit_text(selector->itemText(index).toStdString()) == padded_unit_text(text)) {
            selector->setCurrentIndex(index);
            return;
        }
    }
}

int MainDialog::confirm(ConfirmationKind kind) {
    const ConfirmationTemplate& layout = kind == ConfirmationKind::apportion
                                             ? apportion_confirmation_template
                                         : kind == ConfirmationKind::clear
                                             ? clear_confirmation_template
                                             : exit_confirmation_template;
    ConfirmationDialog dialog(layout, this);
    return dialog.run();
}

int MainDialog::show_warning(const std::string& text, const std::string& title) {
    QString message = qt_text(text);
    message.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Warning, qt_text(title), message, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return id::ok;
}

void MainDialog::end_dialog(int return_value) { done(return_value); }

void MainDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

void MainDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept(); // no Cancel in this dialog
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button; elsewhere it does nothing.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        }
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace mn
