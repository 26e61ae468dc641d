// Dialog units of the dialog font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height,
// measured the way the dialog facility always did (the width of "A".."Z",
// "a".."z" over 52, rounded).
#pragma once

#include <QFont>
#include <QRect>

namespace mn {

// The 8-point sans-serif face of every dialog.
QFont dialog_font();

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(int x, int y, int width, int height) const;

    int average_character_width() const { return base_width_; }
    int character_height() const { return base_height_; }

private:
    int base_width_;
    int base_height_;
};

} // namespace mn
