#include "confirmation_dialog.h"

#include "dialog_units.h"
#include "mn/resource.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace mn {

QuestionPicture::QuestionPicture(QStyle::StandardPixmap icon, const QString& question,
                                 QWidget* parent)
    : QWidget(parent), icon_(icon), question_(question) {
    setAccessibleName(question);
}

void QuestionPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int icon_size = 32;
    const int margin = fontMetrics().averageCharWidth() * 2;
    const QRect icon_area(margin, (height() - icon_size) / 2, icon_size, icon_size);
    style()->standardIcon(icon_, nullptr, this).paint(&painter, icon_area);

    // Lines break at blanks only, so "MN-calculation" stays in one piece.
    const QFontMetrics metrics = fontMetrics();
    const int left = icon_area.right() + margin;
    const int available = width() - left - margin / 2;
    QStringList lines;
    for (const QString& word : question_.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() &&
            metrics.horizontalAdvance(lines.last() + QLatin1Char(' ') + word) <= available) {
            lines.last() += QLatin1Char(' ') + word;
        } else {
            lines << word;
        }
    }
    const int line_height = metrics.lineSpacing();
    int baseline = (height() - line_height * static_cast<int>(lines.size())) / 2 + metrics.ascent();
    painter.setPen(palette().color(QPalette::WindowText));
    for (const QString& line : lines) {
        painter.drawText(left, baseline, line);
        baseline += line_height;
    }
}

ConfirmationDialog::ConfirmationDialog(const ConfirmationTemplate& layout, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QString::number(layout.id));
    setWindowTitle(QString::fromLatin1(message_title));
    setModal(true);
    setFont(dialog_font());
    const DialogUnits units(font());
    setFixedSize(units.x(layout.size.width), units.y(layout.size.height));

    // The picture across the top: the icon and the question.
    auto* picture = new QuestionPicture(layout.icon == ConfirmationIcon::warning
                                            ? QStyle::SP_MessageBoxWarning
                                            : QStyle::SP_MessageBoxQuestion,
                                        QString::fromLatin1(layout.question), this);
    picture->setObjectName(QStringLiteral("question"));
    picture->setGeometry(units.rect(layout.picture_x, layout.picture_y, layout.picture_width,
                                    layout.picture_height));

    auto* yes = new QPushButton(QStringLiteral("&Yes"), this);
    yes->setObjectName(QString::number(id::yes));
    yes->setGeometry(units.rect(layout.yes_x, layout.yes_y, layout.yes_width, layout.yes_height));
    yes->setDefault(true);
    auto* no = new QPushButton(QStringLiteral("&No"), this);
    no->setObjectName(QString::number(id::no));
    no->setGeometry(units.rect(layout.no_x, layout.no_y, layout.no_width, layout.no_height));
    connect(yes, &QPushButton::clicked, this, [this] {
        answer_ = id::yes;
        done(id::yes);
    });
    connect(no, &QPushButton::clicked, this, [this] {
        answer_ = id::no;
        done(id::no);
    });
    yes->setFocus();

    // Placement relative to the owner's client area, kept on its screen.
    if (owner != nullptr) {
        move(owner->mapToGlobal(QPoint(units.x(layout.x), units.y(layout.y))));
    }
}

int ConfirmationDialog::run() {
    exec();
    return answer_;
}

void ConfirmationDialog::closeEvent(QCloseEvent* event) { event->ignore(); }

} // namespace mn
