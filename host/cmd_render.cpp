// dek2018 render: one page report filled from a return file, as PDF or PNG.
#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "host/commands.h"
#include "host/form_pages.h"
#include "host/print_session.h"
#include "host/return_file.h"
#include "pages/page_classes.h"
#include "platform/output_file.h"
#include "platform/render.h"

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

std::string joined(const std::vector<std::string_view>& names) {
    std::string list;
    for (std::string_view n : names) list += (list.empty() ? "" : ", ") + std::string(n);
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

int cmd_render(const Invocation& args) {
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
        int value = 0;
        bool given = false;
    } variants[] = {{"--nrp", "nrp"}, {"--nr", "nr"}, {"--ilb", "ilb"}, {"--nrsp", "nrsp"}};
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
    const std::vector<std::string_view> printed = printed_page_classes(ret.form);
    const std::string form(form_name(ret.form));
    const report::PageClass* cls = pages::find_page_class(page_class);
    if (cls == nullptr)
        return fail("unknown page class " + page_class + "; the pages of a " + form + " return: " + joined(printed));
    if (std::find(printed.begin(), printed.end(), page_class) == printed.end())
        return fail(page_class + " is no page of a " + form + " return; its pages: " + joined(printed));

    // Drawn off screen, whatever display the environment names (or a dead one).
    prepare_headless();
    int argc = 1;
    char name[] = "dek2018";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    try {
        // A PIT-28 return's PIT/O, PIT/D and PIT-2K pages read the general
        // record, which the print job fills from the PIT-28 return just before
        // each such sheet: the page is rendered as the job prints it.
        if (ret.form == Form::pit28) {
            if (auto prepare = jobs::preparation_of(print_job(ret.form), page_class)) prepare(ret.data);
        }
        report::LivePage live(*cls, ret.data);
        report::PageReport& page = live.page();
        const report::Layout& layout = page.layout();
        // The page reads its records at the places its variant fields name, so it
        // is filled only for values a print job gives it.
        for (const auto& var : variants) {
            const bool declared = std::find(layout.variant_fields.begin(), layout.variant_fields.end(), var.field) !=
                                  layout.variant_fields.end();
            if (!declared) {
                if (var.given) return fail(page_class + " has no variant field " + var.field);
                continue;
            }
            if (!var.given) return fail(page_class + " needs " + var.option + " (its variant field " + var.field + ")");
            const auto allowed = layout.variant_values.find(var.field);
            if (allowed != layout.variant_values.end() &&
                std::find(allowed->second.begin(), allowed->second.end(), var.value) == allowed->second.end()) {
                std::string list;
                for (int v : allowed->second) list += (list.empty() ? "" : " or ") + std::to_string(v);
                return fail(std::string(var.option) + " " + std::to_string(var.value) + ": " + page_class +
                            " prints its variant field " + var.field + " only as " + list);
            }
        }
        for (const auto& var : variants) {
            if (!var.given) continue;
            if (std::string(var.field) == "nrp") page.nrp = var.value;
            if (std::string(var.field) == "nr") page.nr = var.value;
            if (std::string(var.field) == "ilb") page.ilb = var.value;
            if (std::string(var.field) == "nrsp") page.nrsp = var.value;
        }
        page.before_print();
        platform::RenderOptions options;
        options.outline = outline;
        // Drawn completely first, then written through a new file renamed over
        // OUT: a link at OUT is replaced, never written through.
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (pdf) {
            platform::write_pdf(page, buffer, options);
        } else {
            QImageWriter writer(&buffer, "png");
            if (!writer.write(platform::render_image(page, dpi, options)))
                return cannot_write(out + ": " + writer.errorString().toStdString());
        }
        try {
            platform::write_file_replacing(out,
                                           std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        } catch (const platform::OutputError& e) {
            return cannot_write(e.what());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dek2018 render: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace dek::host
