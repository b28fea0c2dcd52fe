// The print module as a host application uses it: one object, the module,
// reached through the library's entry point. A host linked with the library
// calls dek::api::module(); a host that loads it at run time (dlopen) looks
// up kModuleEntry and calls it. Everything else is reached through the
// module's functions, so the library exports nothing a host would have to
// find by a C++ name.
//
// The host owns a QApplication (a QGuiApplication is enough to render pages)
// before it calls anything that paints or makes a window.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "dek2018/dialogs.h"
#include "dek2018/export.h"
#include "dek2018/platform.h"
#include "dek2018/preview.h"
#include "dek2018/records.h"
#include "dek2018/render.h"
#include "dek2018/version.h"

class QImage;
class QWidget;

namespace dek::api {

class DEK2018_EXPORT Module {
public:
    // The module's version, "0.1": DEK2018_VERSION of the headers it was built with.
    virtual std::string version() const = 0;

    // ---- the registry of dialog classes ----
    // The class names registered, sorted.
    virtual std::vector<std::string> dialog_classes() const = 0;
    virtual bool has_dialog_class(std::string_view class_name) const = 0;
    // Creates the dialog of that class with `owner` as its parent (nullptr:
    // none); nullptr when no class of that name is registered. The host owns
    // the dialog and destroys it before its owner.
    virtual std::unique_ptr<Dialog> create_dialog(std::string_view class_name, const DialogContext& context,
                                                  QWidget* owner) = 0;

    // ---- printers ----
    // The system's printers, the PDF printer writing into `pdf_dir`. The CUPS
    // server is asked for its queues unless `cups` says never.
    virtual std::unique_ptr<SystemPrinters> system_printers(std::filesystem::path pdf_dir,
                                                            CupsUse cups = CupsUse::listed) = 0;
    // The printers of a desktop host's printer dialog over `system`, which
    // must outlive them: `title` is the document's ("PIT-37"), `proposed`
    // the file the dialog offers before any was chosen.
    virtual std::unique_ptr<DialogPrinters> dialog_printers(SystemPrinters& system, std::string title,
                                                            std::filesystem::path proposed) = 0;
    // One PDF document of every sheet printed.
    virtual std::unique_ptr<DocumentPrinter> document_printer(DocumentOptions options) = 0;

    // ---- platforms ----
    // Qt's message boxes and printer dialog over `printers`.
    virtual std::unique_ptr<Platform> qt_platform(Printers& printers) = 0;
    // The host's own message boxes and printer dialog over `printers`.
    virtual std::unique_ptr<Platform> host_platform(UserInterface& user, Printers& printers) = 0;
    // No user: answers from `script`, each event a line of `transcript` (nullptr: none).
    virtual std::unique_ptr<ScriptedPlatform> scripted_platform(Printers& printers, Script script,
                                                                std::ostream* transcript) = 0;

    // ---- pages on their own ----
    // Every page class the print dialog of that class prints, in its job's
    // order without repeats; empty for a name no dialog has.
    virtual std::vector<std::string> printed_page_classes(std::string_view dialog_class) = 0;
    // The variant fields of a page class; nothing when there is no such class.
    virtual std::optional<std::vector<VariantField>> variant_fields(std::string_view page_class) = 0;
    // The page filled from `data` (brought in by the dialog's job first,
    // when it does so) as a one-page PDF document. Throws std::exception.
    virtual std::string render_pdf(HostData& data, const RenderRequest& request) = 0;
    // The same as a picture at `dpi`.
    virtual QImage render_image(HostData& data, const RenderRequest& request, int dpi) = 0;

    // ---- the preview ----
    // The preview of the return whose print dialog is `dialog_class`, titled
    // `title`. It paints from copies of `data`; its "Drukuj…" opens the
    // dialog on `data` itself with `printing`. Both stay the host's.
    virtual std::unique_ptr<Preview> preview(HostData& data, std::string_view dialog_class, Platform& printing,
                                             const std::string& title, QWidget* parent) = 0;

    // ---- output files ----
    // Writes `bytes` as `file` the way the printers write theirs: a new file
    // beside it, renamed over the name once complete, so a link there is
    // replaced and a failed write leaves nothing. Throws std::system_error,
    // what() "FILE: reason".
    virtual void write_output_file(const std::filesystem::path& file, std::string_view bytes) = 0;

    // Holds `dir` for one print while the object lives (FolderLock).
    virtual std::unique_ptr<FolderLock> lock_folder(const std::filesystem::path& dir) = 0;

    // ---- transcripts ----
    // Text as a transcript line writes it: line feed as \n, carriage return as \r.
    virtual std::string one_line(std::string_view text) = 0;

protected:
    ~Module() = default;  // the module lives as long as the library is loaded
};

// The name of the entry point, for a host that loads the library itself.
inline constexpr const char* kModuleEntry = "dek2018_module_0";
// The library's file name to load: its SONAME.
inline constexpr const char* kLibraryName = DEK2018_LIBRARY;
using ModuleEntry = Module* (*)();

}  // namespace dek::api

// The library's entry point: the module, made when the library was loaded.
extern "C" DEK2018_EXPORT dek::api::Module* dek2018_module_0();

namespace dek::api {

// The module, for a host linked with the library.
inline Module& module() { return *dek2018_module_0(); }

}  // namespace dek::api
