// The module as its hosts reach it: the one object behind the library's
// entry point, made of the registry, the printers and platforms, the page
// renderer and the preview.
#include "dek2018/module.h"

#include <QDialog>
#include <QImage>
#include <QPointer>

#include "jobs/registry.h"
#include "module/form_pages.h"
#include "module/page_render.h"
#include "module/platforms.h"
#include "module/preview_window.h"
#include "module/print_session.h"
#include "platform/output_file.h"
#include "platform/scripted_platform.h"

namespace dek::library {

namespace {

class DialogImpl final : public api::Dialog {
public:
    explicit DialogImpl(std::unique_ptr<jobs::PrintDialog> dialog) : dialog_(dialog.release()) {}
    // The dialog's owner may have taken it with it already.
    ~DialogImpl() override { delete dialog_.data(); }
    DialogImpl(const DialogImpl&) = delete;
    DialogImpl& operator=(const DialogImpl&) = delete;

    QDialog& widget() override { return *dialog_; }
    void activate() override { dialog_->activate(); }
    void deactivate() override { dialog_->deactivate(); }
    void run_headless(const std::vector<std::string>& clicks) override { library::run_headless(*dialog_, clicks); }

private:
    QPointer<jobs::PrintDialog> dialog_;
};

class ModuleImpl final : public api::Module {
public:
    std::string version() const override { return DEK2018_VERSION; }

    std::vector<std::string> dialog_classes() const override { return jobs::registered_classes(); }
    bool has_dialog_class(std::string_view class_name) const override { return jobs::is_registered(class_name); }
    std::unique_ptr<api::Dialog> create_dialog(std::string_view class_name, const api::DialogContext& context,
                                               QWidget* owner) override {
        std::unique_ptr<jobs::PrintDialog> dialog =
            jobs::create_dialog(class_name, dialog_context(context.data, module_platform(context.platform)), owner);
        if (!dialog) return nullptr;
        return std::make_unique<DialogImpl>(std::move(dialog));
    }

    std::unique_ptr<api::SystemPrinters> system_printers(std::filesystem::path pdf_dir, api::CupsUse cups) override {
        return make_system_printers(std::move(pdf_dir), cups);
    }
    std::unique_ptr<api::DialogPrinters> dialog_printers(api::SystemPrinters& system, std::string title,
                                                         std::filesystem::path proposed) override {
        return make_dialog_printers(system, std::move(title), std::move(proposed));
    }
    std::unique_ptr<api::DocumentPrinter> document_printer(api::DocumentOptions options) override {
        return make_document_printer(std::move(options));
    }

    std::unique_ptr<api::Platform> qt_platform(api::Printers& printers) override { return make_qt_platform(printers); }
    std::unique_ptr<api::Platform> host_platform(api::UserInterface& user, api::Printers& printers) override {
        return make_host_platform(user, printers);
    }
    std::unique_ptr<api::ScriptedPlatform> scripted_platform(api::Printers& printers, api::Script script,
                                                             std::ostream* transcript) override {
        return make_scripted_platform(printers, std::move(script), transcript);
    }

    std::vector<std::string> printed_page_classes(std::string_view dialog_class) override {
        const jobs::PrintJob* job = print_job(dialog_class);
        if (job == nullptr) return {};
        std::vector<std::string> classes;
        for (std::string_view cls : library::printed_page_classes(*job)) classes.emplace_back(cls);
        return classes;
    }
    std::optional<std::vector<api::VariantField>> variant_fields(std::string_view page_class) override {
        return library::variant_fields(page_class);
    }
    std::string render_pdf(HostData& data, const api::RenderRequest& request) override {
        return library::render_pdf(data, request);
    }
    QImage render_image(HostData& data, const api::RenderRequest& request, int dpi) override {
        return library::render_image(data, request, dpi);
    }

    std::unique_ptr<api::Preview> preview(HostData& data, std::string_view dialog_class, api::Platform& printing,
                                          const std::string& title, QWidget* parent) override {
        return std::make_unique<PreviewWindow>(data, std::string(dialog_class), module_platform(printing).platform(),
                                               title, parent);
    }

    void write_output_file(const std::filesystem::path& file, std::string_view bytes) override {
        platform::write_file_replacing(file, bytes);
    }
    std::unique_ptr<api::FolderLock> lock_folder(const std::filesystem::path& dir) override {
        return make_folder_lock(dir);
    }

    std::string one_line(std::string_view text) override { return platform::one_line(text); }
};

}  // namespace

}  // namespace dek::library

extern "C" dek::api::Module* dek2018_module_0() {
    static dek::library::ModuleImpl module;
    return &module;
}
