#include "pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace mn {
namespace {

// A flame inside `box`: an outer blue tongue and an inner pale core.
void paint_flame(QPainter& painter, const QRectF& box) {
    const auto at = [&box](double fx, double fy) {
        return QPointF(box.left() + fx * box.width(), box.top() + fy * box.height());
    };
    QPainterPath outer;
    outer.moveTo(at(0.50, 1.00));
    outer.cubicTo(at(0.05, 0.98), at(0.02, 0.55), at(0.30, 0.35));
    outer.cubicTo(at(0.38, 0.52), at(0.42, 0.40), at(0.55, 0.00));
    outer.cubicTo(at(0.70, 0.30), at(1.02, 0.50), at(0.92, 0.78));
    outer.cubicTo(at(0.86, 0.95), at(0.70, 1.00), at(0.50, 1.00));
    QLinearGradient blue(at(0.5, 0.0), at(0.5, 1.0));
    blue.setColorAt(0.0, QColor(120, 170, 255));
    blue.setColorAt(0.6, QColor(30, 80, 220));
    blue.setColorAt(1.0, QColor(10, 30, 140));
    painter.setPen(QPen(QColor(10, 30, 120), qMax(1.0, box.width() / 60.0)));
    painter.setBrush(blue);
    painter.drawPath(outer);

    QPainterPath core;
    core.moveTo(at(0.52, 0.97));
    core.cubicTo(at(0.30, 0.95), at(0.28, 0.72), at(0.42, 0.55));
    core.cubicTo(at(0.48, 0.65), at(0.55, 0.50), at(0.58, 0.38));
    core.cubicTo(at(0.70, 0.58), at(0.80, 0.72), at(0.74, 0.86));
    core.cubicTo(at(0.70, 0.95), at(0.62, 0.97), at(0.52, 0.97));
    QLinearGradient pale(at(0.5, 0.4), at(0.5, 1.0));
    pale.setColorAt(0.0, QColor(220, 240, 255));
    pale.setColorAt(1.0, QColor(150, 220, 255));
    painter.setPen(Qt::NoPen);
    painter.setBrush(pale);
    painter.drawPath(core);
}

// One atom: a shaded ball with its symbol.
void paint_atom(QPainter& painter, const QPointF& centre, double radius, const QColor& colour,
                const QString& symbol) {
    QRadialGradient shade(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    shade.setColorAt(0.0, colour.lighter(170));
    shade.setColorAt(1.0, colour.darker(130));
    painter.setPen(QPen(colour.darker(200), 1.0));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(6, static_cast<int>(radius * 1.1)));
    painter.setFont(font);
    painter.setPen(colour.lightness() > 128 ? QColor(40, 40, 40) : Qt::white);
    painter.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                     Qt::AlignCenter, symbol);
}

} // namespace

BannerPicture::BannerPicture(const QString& words, QWidget* parent)
    : QWidget(parent), words_(words) {}

void BannerPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(QColor(212, 212, 212));
    painter.drawRect(area);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(8, height() * 3 / 5));
    // Shrink until the words fit with a margin.
    while (font.pixelSize() > 8 &&
           QFontMetricsF(font).horizontalAdvance(words_) > width() * 0.94) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect().translated(1, 1), Qt::AlignCenter, words_);
    painter.setPen(QColor(0, 0, 96));
    painter.drawText(rect(), Qt::AlignCenter, words_);
}

LogoPicture::LogoPicture(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void LogoPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inside = contentsRect();
    QLinearGradient sky(inside.topLeft(), inside.bottomLeft());
    sky.setColorAt(0.0, QColor(250, 252, 255));
    sky.setColorAt(1.0, QColor(205, 222, 245));
    painter.fillRect(inside, sky);

    const double w = inside.width();
    const double h = inside.height();
    // The burner and its flame on the left.
    const QRectF flame(inside.left() + 0.08 * w, inside.top() + 0.10 * h, 0.24 * w, 0.66 * h);
    paint_flame(painter, flame);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 100));
    painter.drawRoundedRect(QRectF(inside.left() + 0.06 * w, inside.top() + 0.78 * h, 0.28 * w,
                                   0.08 * h),
                            2, 2);

    // CH4 on the right: four hydrogens around a carbon.
    const QPointF carbon(inside.left() + 0.66 * w, inside.top() + 0.47 * h);
    const double r = 0.11 * h;
    const QPointF hydrogens[4] = {carbon + QPointF(-0.17 * w, -0.24 * h),
                                  carbon + QPointF(0.17 * w, -0.22 * h),
                                  carbon + QPointF(-0.13 * w, 0.30 * h),
                                  carbon + QPointF(0.20 * w, 0.26 * h)};
    painter.setPen(QPen(QColor(80, 80, 80), qMax(1.5, h / 40.0)));
    for (const QPointF& hydrogen : hydrogens) {
        painter.drawLine(carbon, hydrogen);
    }
    for (const QPointF& hydrogen : hydrogens) {
        paint_atom(painter, hydrogen, r * 0.75, QColor(235, 235, 235), QStringLiteral("H"));
    }
    paint_atom(painter, carbon, r, QColor(60, 60, 70), QStringLiteral("C"));

    painter.end();
    QFrame::paintEvent(event); // the sunken frame on top
}

QIcon flame_icon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        paint_flame(painter, QRectF(size * 0.15, size * 0.04, size * 0.7, size * 0.92));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace mn
