#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstdio>
#include <optional>
#include <string>

#include "host/commands.h"
#include "host/print_session.h"
#include "host/return_file.h"
#include "host/settings.h"
#include "jobs/registry.h"
#include "pages/page_classes.h"
#include "platform/qt_platform.h"

namespace dek::host {

// dek2018 dialog: the desktop path. Loads the return, binds the settings
// file, and shows the return's print dialog, created by class name, modally
// over a main window. The PDF printer writes into DIR (default ./wydruki).
int cmd_dialog(const Invocation& args) {
    const std::string& file = args.arguments().at(0);
    const std::string out = args.value("out").value_or("wydruki");
    std::optional<std::filesystem::path> settings;
    if (auto named = args.value("settings")) settings = *named;
    // --no-fit prints on every printer as designed, also into its unprintable margin.
    const bool fit = !args.has("no-fit");
    std::optional<ReturnFile> loaded = load_for_dialog("dialog", file, settings);
    if (!loaded) return 2;
    ReturnFile& r = *loaded;
    const std::string class_name(dialog_class_name(r.form));

    CommandApplication app;
    platform::SystemPrinters printers = system_printers(out);
    printers.set_fit_to_printable_area(fit);
    platform::QtPlatform platform(printers);

    // The host's main window owns the dialog; the dialog is destroyed first.
    QMainWindow host;
    host.setWindowTitle(QString::fromStdString("dek2018 - " + form_title(r.form, r.data) + " - " + file));
    host.setCentralWidget(new QLabel(QString::fromStdString(form_title(r.form, r.data) + ": " + file), &host));
    host.resize(800, 600);
    host.show();
    std::unique_ptr<jobs::PrintDialog> dialog =
        jobs::create_dialog(class_name, jobs::DialogContext{r.data, platform, &pages::find_page_class}, &host);
    dialog->exec();
    dialog.reset();
    return platform.errors() != 0 ? 1 : 0;
}

}  // namespace dek::host
