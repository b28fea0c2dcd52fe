#include "host/print_session.h"

#include <QAbstractButton>
#include <QAction>
#include <QIODevice>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "host/settings.h"
#include "jobs/registry.h"
#include "pages/page_classes.h"
#include "platform/render.h"

namespace dek::host {

platform::SystemPrinters system_printers(std::filesystem::path out, platform::CupsUse cups) {
    auto renderer = std::make_shared<platform::PageRenderer>();
    return platform::SystemPrinters(
        std::move(out),
        [renderer](const report::PageReport& page, QIODevice& device, const platform::SheetFit& fit,
                   const QSizeF& paper) {
            renderer->write_pdf(page, device, platform::RenderOptions{.fit = fit, .paper_mm = paper});
        },
        [renderer](const report::PageReport& page) { return renderer->drawn_extent(page); },
        [](std::string_view name) { return pages::find_page_class(name) != nullptr; }, cups);
}

void prepare_headless() { ::setenv("QT_QPA_PLATFORM", "offscreen", 1); }

std::optional<ReturnFile> load_for_dialog(const char* command, const std::string& file,
                                          const std::optional<std::filesystem::path>& settings) {
    ReturnFile r;
    try {
        r = load_return_file(file);
        bind_settings(r.data, settings);
    } catch (const ReturnFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return std::nullopt;
    } catch (const SettingsError& e) {
        std::fprintf(stderr, "dek2018 %s: %s\n", command, e.what());
        return std::nullopt;
    }
    const std::string class_name(dialog_class_name(r.form));
    if (!jobs::is_registered(class_name)) {
        std::fprintf(stderr, "dek2018 %s: the %s print dialog (%s) is not available in this build\n", command,
                     std::string(form_name(r.form)).c_str(), class_name.c_str());
        return std::nullopt;
    }
    return r;
}

namespace {

QObject* clickable(jobs::PrintDialog& dialog, const std::string& name) {
    // An empty name would find any component: no component is named so.
    QObject* object = name.empty() ? nullptr : dialog.findChild<QObject*>(QString::fromStdString(name));
    if (object == nullptr) throw UsageError("the dialog has no component " + (name.empty() ? "\"\"" : name));
    if (qobject_cast<QAbstractButton*>(object) == nullptr && qobject_cast<QAction*>(object) == nullptr)
        throw UsageError("component " + name + " cannot be clicked");
    return object;
}

// A click as a user makes it: only on a component that is enabled and shown.
void click(jobs::PrintDialog& dialog, QObject* object) {
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        if (button->isEnabled() && button->isVisibleTo(&dialog)) button->click();
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        if (action->isEnabled() && action->isVisible()) action->trigger();
    }
}

}  // namespace

void run_headless(std::string_view class_name, const jobs::DialogContext& ctx, const std::vector<std::string>& clicks) {
    std::unique_ptr<jobs::PrintDialog> dialog = jobs::create_dialog(class_name, ctx, nullptr);
    if (!dialog) throw std::logic_error("dialog class " + std::string(class_name) + " is not registered");
    std::vector<QObject*> targets;
    for (const auto& name : clicks) targets.push_back(clickable(*dialog, name));

    bool closed = false;
    QObject::connect(dialog.get(), &QDialog::finished, [&closed] { closed = true; });
    dialog->activate();
    for (QObject* target : targets) {
        if (closed) break;
        click(*dialog, target);
    }
    if (!closed) dialog->kl_druk->click();
    dialog->deactivate();
}

}  // namespace dek::host
