#include "module/platforms.h"

#include <stdexcept>
#include <utility>

#include "module/print_session.h"
#include "pages/page_classes.h"
#include "platform/output_file.h"
#include "platform/qt_platform.h"
#include "platform/scripted_platform.h"

namespace dek::library {

namespace {

class SystemPrintersImpl final : public api::SystemPrinters, public ModulePrinters {
public:
    SystemPrintersImpl(std::filesystem::path pdf_dir, api::CupsUse cups)
        : printers_(system_printers(std::move(pdf_dir), cups == api::CupsUse::never ? platform::CupsUse::never
                                                                                    : platform::CupsUse::listed)) {}

    const std::vector<std::string>& names() const override { return printers_.names(); }
    int index() const override { return printers_.index(); }
    void set_index(int index) override { printers_.set_index(index); }
    void set_pdf_dir(std::filesystem::path dir) override { printers_.set_pdf_dir(std::move(dir)); }
    void set_fit_to_printable_area(bool on) override { printers_.set_fit_to_printable_area(on); }
    void check_ready(int index) const override { printers_.check_ready(index); }
    platform::Printers& printers() override { return printers_; }

private:
    platform::SystemPrinters printers_;
};

class DocumentPrinterImpl final : public api::DocumentPrinter, public ModulePrinters {
public:
    explicit DocumentPrinterImpl(api::DocumentOptions options) : printer_(std::move(options)) {}

    const std::vector<std::string>& names() const override { return printer_.names(); }
    int index() const override { return printer_.index(); }
    void set_index(int index) override { printer_.set_index(index); }
    const std::filesystem::path& file() const override { return printer_.file(); }
    int pages() const override { return printer_.pages(); }
    bool finish() override { return printer_.finish(); }
    platform::Printers& printers() override { return printer_; }
    platform::DocumentPrinter* document() override { return &printer_; }

private:
    platform::DocumentPrinter printer_;
};

class DialogPrintersImpl final : public api::DialogPrinters, public ModulePrinters {
public:
    DialogPrintersImpl(platform::SystemPrinters& system, std::string title, std::filesystem::path proposed)
        : printers_(system, std::move(title), std::move(proposed)) {}

    const std::vector<std::string>& names() const override { return printers_.names(); }
    int index() const override { return printers_.index(); }
    void set_index(int index) override { printers_.set_index(index); }
    std::vector<std::string> destinations() const override { return printers_.destinations(); }
    platform::Printers& printers() override { return printers_; }
    library::DialogPrinters* dialog() override { return &printers_; }

private:
    library::DialogPrinters printers_;
};

class FolderLockImpl final : public api::FolderLock {
public:
    explicit FolderLockImpl(const std::filesystem::path& dir) : lock_(dir) {}
    bool busy() const override { return lock_.busy(); }

private:
    platform::FolderLock lock_;
};

// A platform of the platform layer wrapped as a public one. `Public` is the
// public class it is (Platform, ScriptedPlatform), `Inner` the layer's.
template <class Public, class Inner>
class WrappedPlatform : public Public, public ModulePlatform {
public:
    template <class... Args>
    explicit WrappedPlatform(ModulePrinters& printers, Args&&... args)
        : printers_(printers), inner_(printers.printers(), std::forward<Args>(args)...) {}
    // Over printers that take the printer dialog's "print to file" choice.
    WrappedPlatform(ModulePrinters& printers, platform::FilePrinters& file) : printers_(printers), inner_(file) {}

    void ShowException(std::string_view message) override { inner_.ShowException(message); }
    int errors() const override { return inner_.errors(); }
    platform::Platform& platform() override { return inner_; }
    ModulePrinters& printers() override { return printers_; }

protected:
    ModulePrinters& printers_;
    Inner inner_;
};

class ScriptedPlatformImpl final : public WrappedPlatform<api::ScriptedPlatform, platform::ScriptedPlatform> {
public:
    using WrappedPlatform::WrappedPlatform;
    const std::vector<std::string>& events() const override { return inner_.events(); }
    int sheets() const override { return inner_.sheets(); }
};

// The host's message boxes and printer dialog over the module's printers.
class HostUserPlatform final : public platform::Platform {
public:
    HostUserPlatform(platform::Printers& printers, api::UserInterface& user) : printers_(printers), user_(user) {}

    int MessageBox(std::string_view text, std::string_view caption, int flags) override {
        return user_.MessageBox(text, caption, flags);
    }
    void ShowMessage(std::string_view text) override { user_.ShowMessage(text); }
    void ShowException(std::string_view message) override {
        ++errors_;
        user_.ShowException(message);
    }
    std::vector<std::string> printer_names() override { return printers_.names(); }
    int printer_index() override { return printers_.index(); }
    bool execute_printer_dialog(QWidget* owner) override {
        const std::optional<int> chosen = user_.execute_printer_dialog(owner, printers_.names(), printers_.index());
        if (!chosen) return false;
        if (*chosen < 0 || *chosen >= static_cast<int>(printers_.names().size()))
            throw platform::PrintError("the printer dialog chose printer " + std::to_string(*chosen) + " of " +
                                       std::to_string(printers_.names().size()));
        printers_.set_index(*chosen);
        return true;
    }
    void print_page(const report::PageReport& page) override { printers_.print(page); }

    int errors() const { return errors_; }

private:
    platform::Printers& printers_;
    api::UserInterface& user_;
    int errors_ = 0;
};

}  // namespace

jobs::DialogContext dialog_context(HostData& data, ModulePlatform& platform) {
    jobs::SheetTitleHook titles;
    jobs::JobEndHook job_end;
    // A document bookmarks each sheet with the name the dialog gives it.
    if (platform::DocumentPrinter* document = platform.printers().document())
        titles = [document](const std::string& title) { document->name_next_sheet(title); };
    if (DialogPrinters* printers = platform.printers().dialog()) {
        titles = [printers](const std::string& title) { printers->name_next_sheet(title); };
        job_end = [printers](bool completed) { printers->end_job(completed); };
    }
    return jobs::DialogContext{data, platform.platform(), &pages::find_page_class, titles, job_end};
}

ModulePrinters& module_printers(api::Printers& printers) {
    auto* own = dynamic_cast<ModulePrinters*>(&printers);
    if (own == nullptr) throw std::invalid_argument("printers not made by the module");
    return *own;
}

ModulePlatform& module_platform(api::Platform& platform) {
    auto* own = dynamic_cast<ModulePlatform*>(&platform);
    if (own == nullptr) throw std::invalid_argument("platform not made by the module");
    return *own;
}

std::unique_ptr<api::SystemPrinters> make_system_printers(std::filesystem::path pdf_dir, api::CupsUse cups) {
    return std::make_unique<SystemPrintersImpl>(std::move(pdf_dir), cups);
}

std::unique_ptr<api::DialogPrinters> make_dialog_printers(api::SystemPrinters& system, std::string title,
                                                          std::filesystem::path proposed) {
    auto* own = dynamic_cast<platform::SystemPrinters*>(&module_printers(system).printers());
    if (own == nullptr) throw std::invalid_argument("printers not the module's system printers");
    return std::make_unique<DialogPrintersImpl>(*own, std::move(title), std::move(proposed));
}

std::unique_ptr<api::FolderLock> make_folder_lock(const std::filesystem::path& dir) {
    return std::make_unique<FolderLockImpl>(dir);
}

std::unique_ptr<api::DocumentPrinter> make_document_printer(api::DocumentOptions options) {
    return std::make_unique<DocumentPrinterImpl>(std::move(options));
}

std::unique_ptr<api::Platform> make_qt_platform(api::Printers& printers) {
    using QtPlatform = WrappedPlatform<api::Platform, platform::QtPlatform>;
    ModulePrinters& own = module_printers(printers);
    // The printer dialog offers "print to file" only where the printers honour it.
    if (platform::FilePrinters* file = own.dialog()) return std::make_unique<QtPlatform>(own, *file);
    return std::make_unique<QtPlatform>(own);
}

std::unique_ptr<api::Platform> make_host_platform(api::UserInterface& user, api::Printers& printers) {
    return std::make_unique<WrappedPlatform<api::Platform, HostUserPlatform>>(module_printers(printers), user);
}

std::unique_ptr<api::ScriptedPlatform> make_scripted_platform(api::Printers& printers, api::Script script,
                                                              std::ostream* transcript) {
    return std::make_unique<ScriptedPlatformImpl>(module_printers(printers), std::move(script), transcript);
}

}  // namespace dek::library
