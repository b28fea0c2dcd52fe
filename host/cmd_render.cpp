// dek2018 render: one page report filled from a return file, as PDF or PNG.
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "host/commands.h"
#include "host/return_file.h"
#include "host/session.h"

namespace dek::host {

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "dek2018 render: %s\n", message.c_str());
    return 2;
}

// An output that could not be written: exit status 1, as for every command.
int cannot_write(const std::string& what) {
    std::fprintf(stderr, "dek2018 render: cannot write %s\n", what.c_str());
    return 1;
}

std::string joined(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& n : names) list += (list.empty() ? "" : ", ") + n;
    return list;
}

bool parse_int(const std::string& s, int lo, int hi, int& out) {
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0' || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace

int cmd_render(const Invocation& args, api::Module& module) {
    const std::string& file = args.arguments().at(0);
    const std::string page_class = args.value("page").value_or("");
    const std::string out = args.value("out").value_or("");
    if (page_class.empty() || out.empty()) return usage_error(args.command(), "--page and --out are needed");
    int dpi = 150;
    if (auto v = args.value("dpi"); v && !parse_int(*v, 10, 1200, dpi))
        return fail("--dpi takes a whole number from 10 to 1200");
    const bool outline = args.has("outline");
    struct Variant {
        const char* option;
        const char* field;
        std::optional<int> api::RenderRequest::*slot;
        int value = 0;
        bool given = false;
    } variants[] = {{"--nrp", "nrp", &api::RenderRequest::nrp},
                    {"--nr", "nr", &api::RenderRequest::nr},
                    {"--ilb", "ilb", &api::RenderRequest::ilb},
                    {"--nrsp", "nrsp", &api::RenderRequest::nrsp}};
    for (auto& var : variants) {
        const std::optional<std::string> v = args.value(var.field);  // --nrp is field nrp
        if (!v) continue;
        if (!parse_int(*v, 0, 1000, var.value)) return fail(std::string(var.option) + " takes a whole number");
        var.given = true;
    }
    const bool pdf = out.ends_with(".pdf");
    if (!pdf && !out.ends_with(".png")) return fail("OUT must end in .pdf or .png: " + out);

    ReturnFile ret;
    try {
        ret = load_return_file(file);
    } catch (const ReturnFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    // Only a page the return's print job prints is filled from it: a page of
    // another form would read records this return does not fill.
    const std::vector<std::string> printed = module.printed_page_classes(dialog_class_name(ret.form));
    const std::string form(form_name(ret.form));
    std::optional<std::vector<api::VariantField>> fields;
    try {
        fields = module.variant_fields(page_class);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dek2018 render: %s\n", e.what());
        return 1;
    }
    if (!fields)
        return fail("unknown page class " + page_class + "; the pages of a " + form + " return: " + joined(printed));
    if (std::find(printed.begin(), printed.end(), page_class) == printed.end())
        return fail(page_class + " is no page of a " + form + " return; its pages: " + joined(printed));

    // The page reads its records at the places its variant fields name, so it
    // is filled only for values a print job gives it.
    for (const auto& var : variants) {
        const auto declared = std::find_if(fields->begin(), fields->end(),
                                           [&](const api::VariantField& f) { return f.name == var.field; });
        if (declared == fields->end()) {
            if (var.given) return fail(page_class + " has no variant field " + var.field);
            continue;
        }
        if (!var.given) return fail(page_class + " needs " + var.option + " (its variant field " + var.field + ")");
        const std::vector<int>& allowed = declared->values;
        if (!allowed.empty() && std::find(allowed.begin(), allowed.end(), var.value) == allowed.end()) {
            std::string list;
            for (int v : allowed) list += (list.empty() ? "" : " or ") + std::to_string(v);
            return fail(std::string(var.option) + " " + std::to_string(var.value) + ": " + page_class +
                        " prints its variant field " + var.field + " only as " + list);
        }
    }
    // A PIT-28 return's PIT/O, PIT/D and PIT-2K pages read the general
    // record, which the print job fills from the PIT-28 return just before
    // each such sheet: the page is rendered as the job prints it.
    api::RenderRequest request;
    request.page_class = page_class;
    request.dialog_class = dialog_class_name(ret.form);
    request.outline = outline;
    for (const auto& var : variants) {
        if (var.given) request.*var.slot = var.value;
    }

    // Drawn off screen, whatever display the environment names (or a dead one).
    prepare_headless();
    int argc = 1;
    char name[] = "dek2018";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    try {
        // Drawn completely first, then written through a new file renamed over
        // OUT: a link at OUT is replaced, never written through.
        std::string bytes;
        if (pdf) {
            bytes = module.render_pdf(ret.data, request);
        } else {
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "png");
            if (!writer.write(module.render_image(ret.data, request, dpi)))
                return cannot_write(out + ": " + writer.errorString().toStdString());
            bytes = png.toStdString();
        }
        try {
            module.write_output_file(out, bytes);
        } catch (const std::system_error& e) {
            return cannot_write(e.what());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dek2018 render: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace dek::host
