// The windowing shell: the frame window and its one text child
// window, "Methane Number Calculation", maximised inside it and never written.
#pragma once

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;

namespace mn {

class FrameWindow : public QMainWindow {
public:
    // Frame-window settings: requested at left 375, top 0; no menu bar.
    // Width and height are left to the shell: the frame is made large enough
    // to show the dialog over it.
    explicit FrameWindow(QSize dialog_size);

    void open_child_window();
    void close_child_window();

    // The client area the main dialog is placed against.
    QWidget* client_area() const;

private:
    QMdiArea* area_;
    QMdiSubWindow* child_ = nullptr;
};

} // namespace mn
