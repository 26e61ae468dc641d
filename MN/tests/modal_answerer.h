// Answers the modal boxes that a GUI test expects, in order, from a timer,
// and fails the test on any other box instead of hanging on it: an
// unexpected box is recorded and dismissed, and a watchdog dismisses
// whatever modal window is still open after a time limit.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <deque>

class QWidget;

namespace mn::testing {

struct ExpectedBox {
    QString name;   // object name of a confirmation ("113", "120", "116"), or "warning"
    QString text;   // question or message text, line breaks as shown
    int button = 0; // 6 Yes or 7 No for a confirmation; warnings get OK
};

class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(QObject* parent = nullptr);

    void expect(const ExpectedBox& box) { expected_.push_back(box); }
    // Failures so far, plus every expected box that never came.
    QStringList failures() const;
    // Forget expectations and failures; restart the watchdog.
    void reset(int watchdog_milliseconds = 20000);

private:
    void poll();
    void dismiss(QWidget* box, const QString& why);

    std::deque<ExpectedBox> expected_;
    QStringList failures_;
    QTimer poll_timer_;
    QTimer watchdog_;
};

} // namespace mn::testing
