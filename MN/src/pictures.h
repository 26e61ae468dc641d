// The dialog's two pictures, drawn in code: the title banner (resource 111)
// and the maker's logo (resource 105), plus the window icon.
#pragma once

#include <QFrame>
#include <QIcon>
#include <QWidget>

namespace mn {

// "Methane Number Calculation" in bold on a light grey ground.
class BannerPicture : public QWidget {
public:
    explicit BannerPicture(const QString& words, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString words_;
};

// A gas flame beside a methane molecule, in a sunken frame.
class LogoPicture : public QFrame {
public:
    explicit LogoPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The flame alone, for the frame and child windows ("FRAMEICON", "CHILDICON").
QIcon flame_icon();

} // namespace mn
