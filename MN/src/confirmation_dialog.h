// The three Yes/No confirmation dialogs (templates 113, 120, 116).
#pragma once

#include "mn/dialog_template.h"

#include <QDialog>
#include <QStyle>

class QKeyEvent;
class QCloseEvent;

namespace mn {

// The icon and the question, drawn as the picture across the top.
class QuestionPicture : public QWidget {
public:
    QuestionPicture(QStyle::StandardPixmap icon, const QString& question, QWidget* parent);
    const QString& question() const { return question_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStyle::StandardPixmap icon_;
    QString question_;
};

// Titled "MN-calculation", with the icon and the question across the top,
// Yes (identifier 6, the default button) and No (7). It ends only through
// one of them: Escape and the close box are ignored, as the dialog's handler
// ignores every other command.
class ConfirmationDialog : public QDialog {
public:
    ConfirmationDialog(const ConfirmationTemplate& layout, QWidget* owner);

    // 6 or 7 once a button ended the dialog, 0 before.
    int answer() const { return answer_; }

    // Runs the dialog modally and returns the answer.
    int run();

    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    int answer_ = 0;
};

} // namespace mn
