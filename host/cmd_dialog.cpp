#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "host/commands.h"
#include "host/return_file.h"
#include "host/screen_application.h"
#include "host/session.h"

namespace dek::host {

// dek2018 dialog: the desktop path. Loads the return, binds the settings
// file, and shows the return's print dialog, created by class name, modally
// over a main window. The PDF printer writes into DIR (default ./wydruki),
// or one document into the file chosen in the printer dialog. Standard
// error says at the end where the sheets went and how many.
int cmd_dialog(const Invocation& args, api::Module& module) {
    const std::string& file = args.arguments().at(0);
    const std::string out = args.value("out").value_or("wydruki");
    std::optional<std::filesystem::path> settings;
    if (auto named = args.value("settings")) settings = *named;
    // --no-fit prints on every printer as designed, also into its unprintable margin.
    const bool fit = !args.has("no-fit");
    // Without a display nothing is read or written, the settings file not made.
    if (!display_named("dialog")) return 2;
    std::optional<ReturnFile> loaded = load_for_dialog(module, "dialog", file, settings);
    if (!loaded) return 2;
    ReturnFile& r = *loaded;
    const std::string class_name(dialog_class_name(r.form));
    const std::string title = form_title(r.form, r.data);

    ScreenApplication app("dialog");
    const std::unique_ptr<api::SystemPrinters> system = module.system_printers(out);
    system->set_fit_to_printable_area(fit);
    // The printer dialog's "print to file" proposes the return's document,
    // named after the return file, in the PDF printer's folder when it is
    // there (the dialog refuses a file in a folder that is not), else here.
    const std::string document = std::filesystem::path(file).stem().string() + ".pdf";
    std::error_code ignored;
    const std::unique_ptr<api::DialogPrinters> printers =
        module.dialog_printers(*system, title,
                               std::filesystem::is_directory(out, ignored) ? std::filesystem::path(out) / document
                                                                           : std::filesystem::path(document));
    const std::unique_ptr<api::Platform> platform = module.qt_platform(*printers);

    // The host's main window owns the dialog; the dialog is destroyed first.
    QMainWindow host;
    host.setWindowTitle(QString::fromStdString("dek2018 - " + title + " - " + file));
    host.setCentralWidget(new QLabel(QString::fromStdString(title + ": " + file), &host));
    host.resize(800, 600);
    host.show();
    std::unique_ptr<api::Dialog> dialog = module.create_dialog(class_name, {r.data, *platform}, &host);
    dialog->widget().exec();
    dialog.reset();
    const std::vector<std::string> went = printers->destinations();
    if (went.empty()) std::fputs("dek2018 dialog: no sheet printed\n", stderr);
    for (const std::string& line : went) std::fprintf(stderr, "dek2018 dialog: %s\n", line.c_str());
    return platform->errors() != 0 ? 1 : 0;
}

}  // namespace dek::host
