// frontend: the interactive methane-number program.
//
// It binds METHAN and DLLVER of the shared library tervol at load time,
// through the public C header, as any foreign program would.
#include "dialog_units.h"
#include "frame_window.h"
#include "main_dialog.h"
#include "mn/dialog_template.h"
#include "mn/front_services.h"
#include "mn/front_state.h"
#include "mn/help_launcher.h"
#include "mn/resource.h"

#include "kelvab/kelvab.h"
#include "tervol/tervol.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("frontend"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.1"));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(
        "Methane Number Calculation: type a fuel gas's composition in volume, mole or mass\n"
        "percent and press Calculate. Reports mn.lst and tervol.lst go to the directory\n"
        "named by TEMP. The program ends through its Exit button with exit status 999\n"
        "(reported as 231)."));
    options.addHelpOption();
    options.addVersionOption();
    options.process(application); // --help and --version print and exit with 0
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // Start-up: the state first, so the dialog's size is known to the frame.
    mn::FrontState state; // unit text " Volume-%", library composition all 0
    const mn::HelpLauncher help(mn::open_document_command_line(
        mn::help_document_path(QCoreApplication::applicationDirPath().toStdString())));
    mn::FrontServices services;
    services.methan = &METHAN;
    services.dllver = &DLLVER;
    services.date_time = &kelvab::date_time_texts;
    services.start_help_worker = [&help](int32_t request_code) { help.start_worker(request_code); };

    const mn::DialogUnits units(mn::dialog_font());
    mn::FrameWindow frame(QSize(units.x(mn::main_dialog_size.width),
                                units.y(mn::main_dialog_size.height)));
    frame.show();
    frame.open_child_window();
    // The program simply ends after Exit: no question from the frame.
    QApplication::setQuitOnLastWindowClosed(false);

    {
        mn::MainDialog dialog(state, services, &frame);
        dialog.place_relative_to(frame.client_area());
        const int dialog_return_value = dialog.exec(); // 4 after Exit; not used further
        static_cast<void>(dialog_return_value);
    } // the dialog is released

    frame.close_child_window();
    return mn::id::process_exit_status; // 999: the platform reports 999 mod 256 = 231
}
