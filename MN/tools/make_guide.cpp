// Turns the user guide (rich text) into readme.pdf at build time:
//   mn_make_guide GUIDE.html OUTPUT.pdf
// Needs only Qt Gui; run it on the offscreen platform.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: mn_make_guide GUIDE.html OUTPUT.pdf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mn_make_guide: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument guide;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(10);
    guide.setDefaultFont(font);
    guide.setHtml(QString::fromUtf8(source.readAll()));

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setTitle(QStringLiteral("Methane Number Calculation - User Guide"));
    writer.setCreator(QStringLiteral("tervol mn_make_guide"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
    guide.print(&writer);
    return 0;
}
