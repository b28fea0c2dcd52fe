#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QMainWindow>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "host/commands.h"
#include "host/return_file.h"
#include "host/screen_application.h"
#include "host/session.h"

namespace dek::host {

namespace {

// Writes the picture as a PNG file through a new file renamed over OUT (a
// link at OUT is replaced, never written through); false (with the reason
// on standard error) when it cannot be written.
bool save_png(api::Module& module, const QImage& picture, const std::string& out) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) {
        std::fprintf(stderr, "dek2018 preview: cannot write %s: %s\n", out.c_str(), qPrintable(writer.errorString()));
        return false;
    }
    try {
        module.write_output_file(out, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::system_error& e) {
        std::fprintf(stderr, "dek2018 preview: cannot write %s\n", e.what());
        return false;
    }
    return true;
}

}  // namespace

// dek2018 preview: the sheets of a return as they will print, in a window;
// its "Drukuj…" opens the return's print dialog, which prints through the
// system's printers (the PDF printer into DIR, default ./wydruki). With
// --grab the window is made without a screen, saved as a PNG once the first
// sheet shows, and closed.
int cmd_preview(const Invocation& args, api::Module& module) {
    const std::string& file = args.arguments().at(0);
    const std::string out = args.value("out").value_or("wydruki");
    const std::optional<std::string> grab_to = args.value("grab");
    std::optional<std::filesystem::path> settings;
    if (auto named = args.value("settings")) settings = *named;
    // Grabbed, the window is made off screen; shown, it needs a display, and
    // without one nothing is read or written.
    if (grab_to) prepare_headless();
    if (!grab_to && !display_named("preview")) return 2;
    std::optional<ReturnFile> loaded = load_for_dialog(module, "preview", file, settings);
    if (!loaded) return 2;
    ScreenApplication app("preview");
    const std::unique_ptr<api::SystemPrinters> printers = module.system_printers(out);
    const std::unique_ptr<api::Platform> printing = module.qt_platform(*printers);
    ReturnFile& r = *loaded;
    const std::unique_ptr<api::Preview> preview =
        module.preview(r.data, dialog_class_name(r.form), *printing,
                       "dek2018 - podgląd - " + form_title(r.form, r.data) + " - " + file, nullptr);
    if (!grab_to) {
        preview->window().show();
        QApplication::exec();
        return printing->errors() != 0 ? 1 : 0;
    }
    const QImage picture = preview->show_and_grab();
    if (picture.isNull()) {
        std::fprintf(stderr, "dek2018 preview: %s\n",
                     preview->error().empty() ? "no sheet to show" : preview->error().c_str());
        return 1;
    }
    return save_png(module, picture, *grab_to) ? 0 : 1;
}

}  // namespace dek::host
