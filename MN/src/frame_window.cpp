#include "frame_window.h"

#include "mn/dialog_template.h"
#include "pictures.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

namespace mn {

FrameWindow::FrameWindow(QSize dialog_size) : area_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("frame"));
    setWindowTitle(QStringLiteral("MN-calculation"));
    setWindowIcon(flame_icon());
    setCentralWidget(area_);
    resize(dialog_size + QSize(40, 60));
    move(375, 0);
}

void FrameWindow::open_child_window() {
    auto* text = new QPlainTextEdit;
    text->setReadOnly(true);
    child_ = area_->addSubWindow(text);
    child_->setObjectName(QStringLiteral("child"));
    child_->setWindowTitle(QString::fromLatin1(main_dialog_title));
    child_->setWindowIcon(flame_icon());
    child_->showMaximized();
}

void FrameWindow::close_child_window() {
    if (child_ != nullptr) {
        area_->removeSubWindow(child_);
        child_->deleteLater();
        child_ = nullptr;
    }
}

QWidget* FrameWindow::client_area() const { return area_; }

} // namespace mn
