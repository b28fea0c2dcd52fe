#include "module/print_session.h"

#include <QAbstractButton>
#include <QAction>
#include <QIODevice>
#include <memory>

#include "jobs/registry.h"
#include "pages/page_classes.h"
#include "platform/render.h"

namespace dek::library {

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

namespace {

QObject* clickable(jobs::PrintDialog& dialog, const std::string& name) {
    // An empty name would find any component: no component is named so.
    QObject* object = name.empty() ? nullptr : dialog.findChild<QObject*>(QString::fromStdString(name));
    if (object == nullptr) throw std::invalid_argument("the dialog has no component " + (name.empty() ? "\"\"" : name));
    if (qobject_cast<QAbstractButton*>(object) == nullptr && qobject_cast<QAction*>(object) == nullptr)
        throw std::invalid_argument("component " + name + " cannot be clicked");
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

void run_headless(jobs::PrintDialog& dialog, const std::vector<std::string>& clicks) {
    std::vector<QObject*> targets;
    for (const auto& name : clicks) targets.push_back(clickable(dialog, name));

    bool closed = false;
    // The connection goes with this run: the dialog may outlive it.
    struct Watch {
        QMetaObject::Connection connection;
        ~Watch() { QObject::disconnect(connection); }
    } watch{QObject::connect(&dialog, &QDialog::finished, [&closed] { closed = true; })};
    dialog.activate();
    for (QObject* target : targets) {
        if (closed) break;
        click(dialog, target);
    }
    if (!closed) dialog.kl_druk->click();
    dialog.deactivate();
}

void run_headless(std::string_view class_name, const jobs::DialogContext& ctx, const std::vector<std::string>& clicks) {
    std::unique_ptr<jobs::PrintDialog> dialog = jobs::create_dialog(class_name, ctx, nullptr);
    if (!dialog) throw std::logic_error("dialog class " + std::string(class_name) + " is not registered");
    run_headless(*dialog, clicks);
}

}  // namespace dek::library
