#include "module/page_render.h"

#include <QBuffer>
#include <QByteArray>
#include <functional>
#include <stdexcept>

#include "module/form_pages.h"
#include "pages/page_classes.h"
#include "platform/render.h"
#include "report/page_class.h"

namespace dek::library {

namespace {

const report::PageClass& page_class_of(std::string_view name) {
    const report::PageClass* cls = pages::find_page_class(name);
    if (cls == nullptr) throw std::invalid_argument("unknown page class " + std::string(name));
    return *cls;
}

// Creates the page, fills it and hands it to `draw`; the page is freed on
// every way out.
void with_filled_page(HostData& data, const api::RenderRequest& request,
                      const std::function<void(const report::PageReport&)>& draw) {
    const report::PageClass& cls = page_class_of(request.page_class);
    if (const jobs::PrintJob* job = print_job(request.dialog_class)) {
        if (jobs::Preparation prepare = jobs::preparation_of(*job, request.page_class)) prepare(data);
    }
    report::LivePage live(cls, data);
    report::PageReport& page = live.page();
    const std::pair<const std::optional<int>&, int&> fields[] = {
        {request.nrp, page.nrp}, {request.nr, page.nr}, {request.ilb, page.ilb}, {request.nrsp, page.nrsp}};
    for (const auto& [given, field] : fields) {
        if (given) field = *given;
    }
    page.before_print();
    draw(page);
}

platform::RenderOptions options_of(const api::RenderRequest& request) {
    platform::RenderOptions options;
    options.outline = request.outline;
    return options;
}

}  // namespace

std::optional<std::vector<api::VariantField>> variant_fields(std::string_view page_class) {
    const report::PageClass* cls = pages::find_page_class(page_class);
    if (cls == nullptr) return std::nullopt;
    HostData empty;
    report::LivePage live(*cls, empty);
    const report::Layout& layout = live.page().layout();
    std::vector<api::VariantField> fields;
    for (const std::string& name : layout.variant_fields) {
        const auto values = layout.variant_values.find(name);
        fields.push_back({name, values != layout.variant_values.end() ? values->second : std::vector<int>{}});
    }
    return fields;
}

std::string render_pdf(HostData& data, const api::RenderRequest& request) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    with_filled_page(data, request,
                     [&](const report::PageReport& page) { platform::write_pdf(page, buffer, options_of(request)); });
    return bytes.toStdString();
}

QImage render_image(HostData& data, const api::RenderRequest& request, int dpi) {
    QImage image;
    with_filled_page(data, request, [&](const report::PageReport& page) {
        image = platform::render_image(page, dpi, options_of(request));
    });
    return image;
}

}  // namespace dek::library
