// Pictures of the dialogs for the README and for review:
//   mn_screenshot OUTPUT_DIRECTORY
// writes frontend.png (the main dialog after 90 % CH4 and 10 % C2H6 were
// typed and calculated) and confirmation_113.png, _120.png, _116.png.
// Its listing goes to a scratch directory.
#include "confirmation_dialog.h"
#include "dialog_units.h"
#include "main_dialog.h"
#include "mn/dialog_template.h"
#include "mn/resource.h"

#include "kelvab/kelvab.h"
#include "tervol/tervol.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc != 2) {
        std::fprintf(stderr, "usage: mn_screenshot OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir scratch;
    qputenv("TEMP", scratch.path().toLocal8Bit());

    mn::FrontState state;
    mn::FrontServices services;
    services.methan = &METHAN;
    services.dllver = &DLLVER;
    services.date_time = &kelvab::date_time_texts;
    mn::MainDialog dialog(state, services);
    dialog.show();
    QTest::qWait(50);

    auto type_into = [&dialog](int field, const char* figure) {
        auto* edit = static_cast<QLineEdit*>(dialog.control(field));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(figure));
    };
    type_into(mn::id::component_field(11), "90");
    type_into(mn::id::component_field(9), "10");
    QTest::mouseClick(dialog.control(mn::id::calculate_button), Qt::LeftButton);
    dialog.control(mn::id::calculate_button)->setFocus();
    QTest::qWait(50);
    bool saved = dialog.grab().save(output.filePath(QStringLiteral("frontend.png")));

    for (const mn::ConfirmationTemplate* layout :
         {&mn::apportion_confirmation_template, &mn::clear_confirmation_template,
          &mn::exit_confirmation_template}) {
        mn::ConfirmationDialog confirmation(*layout, &dialog);
        confirmation.show();
        QTest::qWait(20);
        saved = confirmation.grab().save(
                    output.filePath(QStringLiteral("confirmation_%1.png").arg(layout->id))) &&
                saved;
        confirmation.hide();
    }
    return saved ? 0 : 1;
}
