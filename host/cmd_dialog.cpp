#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "host/commands.h"
#include "host/return_file.h"
#include "host/session.h"

namespace dek::host {

// dek2018 dialog: the desktop path. Loads the return, binds the settings
// file, and shows the return's print dialog, created by class name, modally
// over a main window. The PDF printer writes into DIR (default ./wydruki).
int cmd_dialog(const Invocation& args, api::Module& module) {
    const std::string& file = args.arguments().at(0);
    const std::string out = args.value("out").value_or("wydruki");
    std::optional<std::filesystem::path> settings;
    if (auto named = args.value("settings")) settings = *named;
    // --no-fit prints on every printer as designed, also into its unprintable margin.
    const bool fit = !args.has("no-fit");
    std::optional<ReturnFile> loaded = load_for_dialog(module, "dialog", file, settings);
    if (!loaded) return 2;
    ReturnFile& r = *loaded;
    const std::string class_name(dialog_class_name(r.form));

    CommandApplication app;
    const std::unique_ptr<api::SystemPrinters> printers = module.system_printers(out);
    printers->set_fit_to_printable_area(fit);
    const std::unique_ptr<api::Platform> platform = module.qt_platform(*printers);

    // The host's main window owns the dialog; the dialog is destroyed first.
    QMainWindow host;
    host.setWindowTitle(QString::fromStdString("dek2018 - " + form_title(r.form, r.data) + " - " + file));
    host.setCentralWidget(new QLabel(QString::fromStdString(form_title(r.form, r.data) + ": " + file), &host));
    host.resize(800, 600);
    host.show();
    std::unique_ptr<api::Dialog> dialog = module.create_dialog(class_name, {r.data, *platform}, &host);
    dialog->widget().exec();
    dialog.reset();
    return platform->errors() != 0 ? 1 : 0;
}

}  // namespace dek::host
