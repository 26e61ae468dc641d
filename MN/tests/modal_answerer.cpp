#include "modal_answerer.h"

#include "confirmation_dialog.h"
#include "mn/resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace mn::testing {
namespace {

QString question_of(const QWidget* confirmation) {
    const auto* picture =
        dynamic_cast<QuestionPicture*>(confirmation->findChild<QWidget*>(QStringLiteral("question")));
    return picture != nullptr ? picture->question() : QString();
}

void press(QWidget* confirmation, int button_id) {
    if (auto* button = confirmation->findChild<QPushButton*>(QString::number(button_id))) {
        button->click();
    }
}

} // namespace

ModalAnswerer::ModalAnswerer(QObject* parent) : QObject(parent) {
    poll_timer_.setInterval(10);
    connect(&poll_timer_, &QTimer::timeout, this, [this] { poll(); });
    poll_timer_.start();
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout, this, [this] {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (modal->objectName() == QString::number(id::main_dialog)) {
                break;
            }
            dismiss(modal, QStringLiteral("watchdog: modal box still open"));
        }
    });
}

void ModalAnswerer::reset(int watchdog_milliseconds) {
    expected_.clear();
    failures_.clear();
    watchdog_.start(watchdog_milliseconds);
}

QStringList ModalAnswerer::failures() const {
    QStringList all = failures_;
    for (const ExpectedBox& box : expected_) {
        all << QStringLiteral("expected box never came: %1 \"%2\"").arg(box.name, box.text);
    }
    return all;
}

void ModalAnswerer::dismiss(QWidget* box, const QString& why) {
    failures_ << why;
    if (auto* message = qobject_cast<QMessageBox*>(box)) {
        message->done(QMessageBox::Ok);
    } else if (auto* confirmation = qobject_cast<QDialog*>(box)) {
        press(confirmation, id::no);
        if (confirmation->isVisible()) {
            confirmation->done(0);
        }
    } else {
        box->close();
    }
}

void ModalAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() ||
        modal->objectName() == QString::number(id::main_dialog)) {
        return;
    }
    auto* message = qobject_cast<QMessageBox*>(modal);
    const bool is_confirmation = dynamic_cast<ConfirmationDialog*>(modal) != nullptr;
    const QString name = message != nullptr ? QStringLiteral("warning") : modal->objectName();
    const QString text = message != nullptr ? message->text() : question_of(modal);
    if (expected_.empty()) {
        dismiss(modal, QStringLiteral("unexpected box: %1 \"%2\"").arg(name, text));
        return;
    }
    const ExpectedBox next = expected_.front();
    expected_.pop_front();
    if (next.name != name || next.text != text) {
        failures_ << QStringLiteral("expected %1 \"%2\", got %3 \"%4\"")
                         .arg(next.name, next.text, name, text);
    }
    if (message != nullptr) {
        if (message->windowTitle() != QStringLiteral("MN-calculation") ||
            message->icon() != QMessageBox::Warning || message->buttons().size() != 1 ||
            message->button(QMessageBox::Ok) == nullptr) {
            failures_ << QStringLiteral("warning box is not titled MN-calculation with a warning "
                                        "icon and one OK button: \"%1\"")
                             .arg(text);
        }
        message->button(QMessageBox::Ok)->click();
    } else if (is_confirmation) {
        press(modal, next.button);
    } else {
        dismiss(modal, QStringLiteral("unknown modal window %1").arg(name));
    }
}

} // namespace mn::testing
