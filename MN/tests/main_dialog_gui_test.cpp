// The real dialog on the offscreen platform: typing, picking a unit,
// clicking, answering confirmations and message boxes.
#include "confirmation_dialog.h"
#include "dialog_units.h"
#include "main_dialog.h"
#include "modal_answerer.h"
#include "mn/dialog_template.h"
#include "mn/help_launcher.h"
#include "mn/resource.h"

#include "tervol/tervol.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using mn::testing::ExpectedBox;
namespace id = mn::id;

namespace {

// A library stand-in for the status-code cases.
int32_t fake_status = 0;
float fake_methane_number = 0.0f;
void fake_methan(const float*, int32_t* status, float* methane_number,
                 float* methane_number_inert_free) {
    *status = fake_status;
    *methane_number = fake_methane_number;
    *methane_number_inert_free = fake_methane_number;
}

// 5 March 2016, 09:04:07: the date of the published listing example.
void fixed_date_time(char* date, char* time) {
    std::copy_n("05.03.16", 8, date);
    std::copy_n("09:04:07", 8, time);
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class MainDialogGuiTest : public QObject {
    Q_OBJECT

private:
    QLineEdit* field(int control) { return static_cast<QLineEdit*>(dialog->control(control)); }
    QLineEdit* component(int slot) { return field(id::component_field(slot)); }
    QComboBox* selector() { return static_cast<QComboBox*>(dialog->control(id::unit_selector)); }
    void click(int button) { QTest::mouseClick(dialog->control(button), Qt::LeftButton); }
    void type(int slot, const QString& text) {
        QLineEdit* edit = component(slot);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            QTest::keyClicks(edit, text);
        }
    }
    void expect_no_failures() {
        const QStringList failures = answerer->failures();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
    }
    void make_dialog(mn::MethanEntry methan) {
        services.methan = methan;
        dialog = std::make_unique<mn::MainDialog>(state, services);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    std::unique_ptr<QTemporaryDir> temp;
    mn::FrontState state;
    mn::FrontServices services;
    std::unique_ptr<mn::MainDialog> dialog;
    mn::testing::ModalAnswerer* answerer = nullptr;

private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        answerer = new mn::testing::ModalAnswerer(this);
    }

    void init() {
        temp = std::make_unique<QTemporaryDir>();
        qputenv("TEMP", temp->path().toLocal8Bit());
        state = mn::FrontState{};
        services = mn::FrontServices{};
        services.dllver = &DLLVER;
        services.date_time = &fixed_date_time;
        fake_status = 0;
        fake_methane_number = 78.2f;
        answerer->reset();
        make_dialog(&fake_methan);
    }

    void cleanup() {
        dialog.reset();
        expect_no_failures();
    }

    // ---- windows and layout ----------------------------------------

    void controlsFollowTheTemplate() {
        const mn::DialogUnits units(dialog->font());
        QCOMPARE(dialog->font().pointSize(), 8);
        QCOMPARE(dialog->size(), QSize(units.x(377), units.y(397)));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Methane Number Calculation"));
        QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(dialog->windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 52);
        for (const mn::ControlTemplate& control : mn::main_dialog_controls()) {
            QWidget* widget = dialog->findChild<QWidget*>(QString::number(control.id));
            QVERIFY2(widget != nullptr, qPrintable(QString::number(control.id)));
            QRect expected = units.rect(control.x, control.y, control.width, control.height);
            if (control.kind == mn::ControlKind::unit_selector) {
                expected.setHeight(units.y(14)); // 44 is the open list
            }
            QCOMPARE(widget->geometry(), expected);
            const QString text = QString::fromLatin1(control.text);
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                QCOMPARE(label->text(), text);
                // The chosen font clips no label.
                QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(text) <= label->width(),
                         qPrintable(text));
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                QCOMPARE(button->text(), text);
                QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(text) + 8 <= button->width(),
                         qPrintable(text));
            } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
                QCOMPARE(group->title(), text);
            }
        }
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("1022"))->text(),
                 QStringLiteral("CO...........Carbon momoxide...[%]"));
    }

    void initialDisplay() {
        for (int slot = 1; slot <= 17; ++slot) {
            QCOMPARE(component(slot)->text(), QStringLiteral("      .000"));
        }
        QCOMPARE(field(id::total_field)->text(), QStringLiteral("      .000"));
        QCOMPARE(selector()->currentText(), QStringLiteral(" Volume-%"));
        QCOMPARE(selector()->count(), 3);
        QCOMPARE(selector()->itemText(1), QStringLiteral(" Mol-%"));
        QCOMPARE(selector()->itemText(2), QStringLiteral(" Mass-%"));
        QCOMPARE(field(id::result_field)->text(), QString());
        QVERIFY(field(id::result_field)->isEnabled());
        QCOMPARE(field(id::library_version_field)->text(), QStringLiteral("2.0.1"));
        QVERIFY(field(id::total_field)->isReadOnly());
        QVERIFY(field(id::result_field)->isReadOnly());
    }

    void tabOrderRunsThroughTheTabStops() {
        QList<int> expected{id::unit_selector};
        for (int slot : mn::input_row_slots) {
            expected << id::component_field(slot);
        }
        expected << id::clear_button << id::calculate_button << id::help_button << id::exit_button;
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        selector()->setFocus();
        QList<int> visited;
        for (int step = 0; step < expected.size(); ++step) {
            QWidget* focus = QApplication::focusWidget();
            while (focus != nullptr && focus->parentWidget() != dialog.get()) {
                focus = focus->parentWidget(); // the selector's edit part
            }
            QVERIFY(focus != nullptr);
            visited << focus->objectName().toInt();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }

    void escapeAndCloseDoNotEndTheDialog() {
        QTest::keyClick(component(11), Qt::Key_Escape);
        dialog->close();
        QVERIFY(dialog->isVisible());
    }

    void confirmationDialogsFollowTheirTemplates() {
        for (const mn::ConfirmationTemplate* layout :
             {&mn::apportion_confirmation_template, &mn::clear_confirmation_template,
              &mn::exit_confirmation_template}) {
            mn::ConfirmationDialog confirmation(*layout, dialog.get());
            const mn::DialogUnits units(confirmation.font());
            QCOMPARE(confirmation.windowTitle(), QStringLiteral("MN-calculation"));
            QCOMPARE(confirmation.size(), QSize(units.x(layout->size.width),
                                                units.y(layout->size.height)));
            auto* yes = confirmation.findChild<QPushButton*>(QStringLiteral("6"));
            auto* no = confirmation.findChild<QPushButton*>(QStringLiteral("7"));
            QVERIFY(yes != nullptr && no != nullptr);
            QVERIFY(yes->isDefault());
            QCOMPARE(yes->geometry(), units.rect(layout->yes_x, layout->yes_y, layout->yes_width,
                                                 layout->yes_height));
            QCOMPARE(no->geometry(), units.rect(layout->no_x, layout->no_y, layout->no_width,
                                                layout->no_height));
            QCOMPARE(confirmation.pos(),
                     dialog->mapToGlobal(QPoint(units.x(layout->x), units.y(layout->y))));
            // Ends only through Yes or No.
            confirmation.show();
            QTest::keyClick(&confirmation, Qt::Key_Escape);
            confirmation.close();
            QVERIFY(confirmation.isVisible());
            no->click();
            QVERIFY(!confirmation.isVisible());
            QCOMPARE(confirmation.answer(), id::no);
        }
    }

    // ---- composition entry ----------------------------------------

    void typingUpdatesTheTotal() {
        answerer->expect({QStringLiteral("warning"), QStringLiteral("Gas content missing !")});
        click(id::calculate_button); // a Total of 0: the result field stays as it was
        QVERIFY(field(id::result_field)->isEnabled());
        type(11, QStringLiteral("5"));
        QCOMPARE(field(id::total_field)->text(), QStringLiteral("   5.000"));
        QCOMPARE(component(11)->text(), QStringLiteral("5"));
        QCOMPARE(field(id::result_field)->text(), QString());
        QVERIFY(!field(id::result_field)->isEnabled());
        type(11, QStringLiteral("1 2"));
        QCOMPARE(field(id::total_field)->text(), QStringLiteral("  12.000"));
        type(11, QString());
        QCOMPARE(field(id::total_field)->text(), QStringLiteral("    .000"));
    }

    void programmaticChangesCallNoHandler() {
        component(11)->setText(QStringLiteral("50"));
        QCOMPARE(field(id::total_field)->text(), QStringLiteral("      .000"));
        QCOMPARE(state.entry_values[10], 0.0f);
    }

    void pickingAUnitFromTheList() {
        type(11, QStringLiteral("90"));
        QComboBox* unit = selector();
        unit->showPopup();
        QAbstractItemView* list = unit->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect entry = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
        QTRY_COMPARE(state.unit_text, std::string(" Mol-%    "));
        QCOMPARE(state.entry_values[10], 90.0f);
        QCOMPARE(field(id::total_field)->text(), QStringLiteral("  90.000"));
        QVERIFY(!field(id::result_field)->isEnabled());
        // The keyboard picks entries too.
        QTest::keyClick(unit, Qt::Key_Down);
        QCOMPARE(state.unit_text, std::string(" Mass-%   "));
    }

    void textTypedIntoTheSelectorIsIgnored() {
        QLineEdit* edit_part = selector()->lineEdit();
        edit_part->setFocus();
        edit_part->selectAll();
        QTest::keyClicks(edit_part, QStringLiteral(" Mass-%"));
        QTest::keyClick(edit_part, Qt::Key_Return);
        component(11)->setFocus(); // leave the selector
        QCOMPARE(state.unit_text, std::string(" Volume-% "));
        QVERIFY(field(id::result_field)->isEnabled());
    }

    void clearAskedAndAnswered() {
        type(11, QStringLiteral("90"));
        answerer->expect({QStringLiteral("120"),
                          QStringLiteral("Do you really want to clear your whole input?"), id::no});
        click(id::clear_button);
        QCOMPARE(component(11)->text(), QStringLiteral("90"));
        QCOMPARE(state.entry_values[10], 90.0f);

        answerer->expect({QStringLiteral("120"),
                          QStringLiteral("Do you really want to clear your whole input?"), id::yes});
        click(id::clear_button);
        QCOMPARE(component(11)->text(), QStringLiteral("      .000"));
        QCOMPARE(field(id::total_field)->text(), QStringLiteral("      .000"));
        QCOMPARE(field(id::result_field)->text(), QString());
        QVERIFY(field(id::result_field)->isEnabled());
        QCOMPARE(selector()->currentText(), QStringLiteral(" Volume-%"));
    }

    // ---- calculation command ----------------------------------------

    void publishedExampleWithTheLibrary() {
        // Published example: 90 % CH4 / 10 % C2H6 gives MN 79.6, shown as 80.
        dialog.reset();
        make_dialog(&METHAN);
        type(11, QStringLiteral("90"));
        type(9, QStringLiteral("10"));
        click(id::calculate_button);
        QCOMPARE(field(id::result_field)->text(), QStringLiteral("    80"));
        QVERIFY(field(id::result_field)->isEnabled());
        QCOMPARE(component(11)->text(), QStringLiteral("    90.000"));
        QCOMPARE(field(id::total_field)->text(), QStringLiteral("   100.000"));
        QCOMPARE(file_bytes(temp->filePath(QStringLiteral("mn.lst"))),
                 file_bytes(QStringLiteral(MN_TEST_DATA "/mn_example.lst")));
    }

    void apportionQuestion() {
        type(11, QStringLiteral("97"));
        answerer->expect({QStringLiteral("113"),
                          QStringLiteral("The Total is not equal to 100% ! Would you like to "
                                         "apportion the gas components to 100%?"),
                          id::no});
        click(id::calculate_button);
        QCOMPARE(component(11)->text(), QStringLiteral("    97.000"));
        QCOMPARE(field(id::result_field)->text(), QString());
        QVERIFY(!field(id::result_field)->isEnabled());
        QVERIFY(!QFile::exists(temp->filePath(QStringLiteral("mn.lst"))));

        type(9, QStringLiteral("0"));
        answerer->expect({QStringLiteral("113"),
                          QStringLiteral("The Total is not equal to 100% ! Would you like to "
                                         "apportion the gas components to 100%?"),
                          id::yes});
        click(id::calculate_button);
        QCOMPARE(component(11)->text(), QStringLiteral("   100.000"));
        QCOMPARE(field(id::result_field)->text(), QStringLiteral("    78"));
        QVERIFY(QFile::exists(temp->filePath(QStringLiteral("mn.lst"))));
    }

    void outOfRangeWarning() {
        type(11, QStringLiteral("94.99"));
        answerer->expect({QStringLiteral("warning"),
                          QStringLiteral(" The Total is < 95% or > 105%;\n correct the input please !")});
        click(id::calculate_button);
        QVERIFY(!field(id::result_field)->isEnabled());
    }

    void statusCodeMessagesInOrder() {
        fake_status = 13;
        type(11, QStringLiteral("100"));
        answerer->expect({QStringLiteral("warning"),
                          QStringLiteral(" MN not confident,\n due to high content of C>C4 !")});
        answerer->expect({QStringLiteral("warning"),
                          QStringLiteral("MN not confident due to delta MN >5 !")});
        click(id::calculate_button);
        QCOMPARE(field(id::result_field)->text(), QStringLiteral("    78 ?"));
        QVERIFY(field(id::result_field)->isEnabled());

        fake_status = 14;
        type(11, QStringLiteral("100"));
        answerer->expect({QStringLiteral("warning"),
                          QStringLiteral(" MN not confident,\n due to high content of C>C4 !")});
        answerer->expect({QStringLiteral("warning"), QStringLiteral("MN invalid !")});
        click(id::calculate_button);
        QCOMPARE(field(id::result_field)->text(), QString());
        QVERIFY(field(id::result_field)->isEnabled());

        fake_status = -1;
        type(11, QStringLiteral("100"));
        answerer->expect({QStringLiteral("warning"), QStringLiteral("Wrong mixture specification !")});
        click(id::calculate_button);
        QVERIFY(!field(id::result_field)->isEnabled());
    }

    // ---- help and exit ----------------------------------------

    void helpStartsWorkersAndTheDialogStaysUsable() {
        // A stand-in interpreter named by COMSPEC records each help request.
        const QString calls = temp->filePath(QStringLiteral("calls"));
        const QString interpreter = temp->filePath(QStringLiteral("interpreter"));
        QFile script(interpreter);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s %s\\n' \"$1\" \"$2\" >> '%1'\n")
                         .arg(calls)
                         .toLocal8Bit());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray saved = qgetenv("COMSPEC");
        qputenv("COMSPEC", interpreter.toLocal8Bit());
        const mn::HelpLauncher help(mn::open_document_command_line("/doc/readme.pdf"));
        services.start_help_worker = [&help](int32_t code) { help.start_worker(code); };
        dialog.reset();
        make_dialog(&fake_methan);

        for (int click_count = 0; click_count < 3; ++click_count) {
            click(id::help_button);
        }
        type(11, QStringLiteral("5"));
        QCOMPARE(field(id::total_field)->text(), QStringLiteral("   5.000"));
        const QByteArray line = "/c xdg-open '/doc/readme.pdf'\n";
        QTRY_COMPARE_WITH_TIMEOUT(file_bytes(calls), line + line + line, 10000);
        if (saved.isNull()) {
            qunsetenv("COMSPEC");
        } else {
            qputenv("COMSPEC", saved);
        }
    }

    void exitAnsweredNoThenYes() {
        type(11, QStringLiteral("90"));
        const QString question = QStringLiteral("Do you really want to Exit the MN-calculation?");
        answerer->expect({QStringLiteral("116"), question, id::no});
        click(id::exit_button);
        QVERIFY(dialog->isVisible());
        QCOMPARE(component(11)->text(), QStringLiteral("90"));

        answerer->expect({QStringLiteral("116"), question, id::yes});
        click(id::exit_button);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), 4);
    }
};

QTEST_MAIN(MainDialogGuiTest)
#include "main_dialog_gui_test.moc"
