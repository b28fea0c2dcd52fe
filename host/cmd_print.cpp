#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/commands.h"
#include "host/print_session.h"
#include "host/return_file.h"
#include "host/settings.h"
#include "jobs/registry.h"
#include "pages/page_classes.h"
#include "platform/scripted_platform.h"

namespace dek::host {

namespace {

constexpr const char* kUsage =
    "usage: dek2018 print FILE --out DIR [--settings SFILE] [--printer NAME] [--click NAME]... "
    "[--cancel N[,N...]] [--no-fit]\n";

struct PrintArgs {
    std::string file;
    std::string out;
    std::optional<std::string> settings;
    std::optional<std::string> printer;
    std::vector<std::string> clicks;
    std::set<int> cancel;
    bool fit = true;
};

// "3" or "1,4,5": 1-based prompt numbers.
bool parse_numbers(const std::string& text, std::set<int>& into) {
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string part = text.substr(at, comma - at);
        if (part.empty() || part.size() > 6 || part.find_first_not_of("0123456789") != std::string::npos) return false;
        const int n = std::stoi(part);
        if (n < 1) return false;
        into.insert(n);
        at = comma + 1;
    }
    return true;
}

std::optional<PrintArgs> parse(const Args& args) {
    PrintArgs p;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool has_value = i + 1 < args.size();
        if (a == "--out" && has_value) {
            p.out = args[++i];
        } else if (a == "--settings" && has_value) {
            p.settings = args[++i];
        } else if (a == "--printer" && has_value) {
            p.printer = args[++i];
        } else if (a == "--click" && has_value) {
            p.clicks.push_back(args[++i]);
        } else if (a == "--cancel" && has_value) {
            if (!parse_numbers(args[++i], p.cancel)) {
                std::fprintf(stderr, "dek2018 print: --cancel takes prompt numbers from 1: \"%s\"\n", args[i].c_str());
                return std::nullopt;
            }
        } else if (a == "--no-fit") {
            p.fit = false;
        } else if (!a.starts_with("--") && p.file.empty()) {
            p.file = a;
        } else {
            std::fputs(kUsage, stderr);
            return std::nullopt;
        }
    }
    if (p.file.empty() || p.out.empty()) {
        std::fputs(kUsage, stderr);
        return std::nullopt;
    }
    return p;
}

}  // namespace

// dek2018 print: the print dialog and its job without a screen. Standard
// output carries the transcript of the run, one line per event.
int cmd_print(const Args& args) {
    const std::optional<PrintArgs> p = parse(args);
    if (!p) return 2;
    std::optional<ReturnFile> r = load_for_dialog(
        "print", p->file, p->settings ? std::optional<std::filesystem::path>(*p->settings) : std::nullopt);
    if (!r) return 2;
    const std::string class_name(dialog_class_name(r->form));

    prepare_headless();
    CommandApplication app;

    platform::SystemPrinters printers(p->out, page_pdf_writer(), page_extent());
    printers.set_fit_to_printable_area(p->fit);
    if (p->printer) {
        const int index = printers.find(*p->printer);
        if (index < 0) {
            std::string names;
            for (const auto& n : printers.names()) names += (names.empty() ? "" : ", ") + n;
            std::fprintf(stderr, "dek2018 print: no printer named \"%s\" (printers: %s)\n", p->printer->c_str(),
                         names.c_str());
            return 2;
        }
        printers.set_index(index);
    }
    platform::ScriptedPlatform platform(printers, platform::Script{p->cancel, {}}, &std::cout);
    try {
        run_headless(class_name, jobs::DialogContext{r->data, platform, &pages::find_page_class}, p->clicks);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "dek2018 print: %s\n", e.what());
        return 2;
    }
    return platform.errors() != 0 ? 1 : 0;
}

}  // namespace dek::host
