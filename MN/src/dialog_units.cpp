#include "dialog_units.h"

#include <QFontMetrics>

#include <cmath>

namespace mn {

QFont dialog_font() {
    // DejaVu Sans ships with every Debian desktop and Qt; the style hint
    // picks another sans-serif face where it is missing.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet_width =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    base_width_ = (alphabet_width / 26 + 1) / 2;
    base_height_ = metrics.height();
}

int DialogUnits::x(int units) const {
    return static_cast<int>(std::lround(static_cast<double>(units) * base_width_ / 4.0));
}

int DialogUnits::y(int units) const {
    return static_cast<int>(std::lround(static_cast<double>(units) * base_height_ / 8.0));
}

QRect DialogUnits::rect(int x_units, int y_units, int width, int height) const {
    return QRect(x(x_units), y(y_units), x(width), y(height));
}

} // namespace mn
