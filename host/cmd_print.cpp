#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/batch_progress.h"
#include "host/commands.h"
#include "host/return_file.h"
#include "host/session.h"

namespace dek::host {

namespace {

namespace fs = std::filesystem;

struct PrintArgs {
    std::vector<std::string> files;
    std::optional<std::string> out;      // the PDF printer's folder
    std::optional<std::string> pdf;      // one document of the whole return
    std::optional<std::string> pdf_dir;  // one document per return, DIR/<stem>.pdf
    bool pdfa = false;
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

// The options of a run, checked: what does not go together is a usage error.
std::optional<PrintArgs> parse(const Invocation& args) {
    PrintArgs p;
    p.files = args.arguments();
    p.out = args.value("out");
    p.pdf = args.value("pdf");
    p.pdf_dir = args.value("pdf-dir");
    p.pdfa = args.has("pdfa");
    p.settings = args.value("settings");
    p.printer = args.value("printer");
    p.clicks = args.values("click");
    p.fit = !args.has("no-fit");
    auto refuse = [&](std::string_view why) {
        usage_error(args.command(), why);
        return std::nullopt;
    };
    for (const std::string& numbers : args.values("cancel")) {
        if (!parse_numbers(numbers, p.cancel))
            return refuse("--cancel takes prompt numbers from 1: \"" + numbers + "\"");
    }
    const int targets = (p.out ? 1 : 0) + (p.pdf ? 1 : 0) + (p.pdf_dir ? 1 : 0);
    if (targets != 1) return refuse("give one of --out, --pdf and --pdf-dir");
    if (p.pdf && p.files.size() > 1) return refuse("--pdf takes one FILE; --pdf-dir takes several");
    if (p.printer && !p.out) return refuse("--printer goes with --out: a document is its only printer");
    if (p.pdfa && p.out) return refuse("--pdfa goes with --pdf or --pdf-dir");
    return p;
}

// The name a return prints under when several print into folders of their
// own, or as documents: the file's name without its extension.
std::string stem_of(const std::string& file) { return fs::path(file).stem().string(); }

// Several files print into a folder each, named after the file: two files
// of one name would print over each other, and a name that is empty, "." or
// ".." is no folder of its own (it would be the folder itself or the one
// above it). Refuses the whole run before anything prints.
bool stems_usable(const PrintArgs& p) {
    const bool named_by_stem = p.files.size() > 1 || p.pdf_dir;
    if (!named_by_stem) return true;
    std::map<std::string, std::string> seen;
    for (const std::string& file : p.files) {
        const std::string stem = stem_of(file);
        if (stem.empty() || stem == "." || stem == "..") {
            std::fprintf(stderr, "dek2018 print: %s has no name to print under (\"%s\"); nothing printed\n",
                         file.c_str(), stem.c_str());
            return false;
        }
        if (p.files.size() < 2) continue;
        const auto [it, fresh] = seen.emplace(stem, file);
        if (!fresh) {
            std::fprintf(stderr, "dek2018 print: %s and %s would both print as \"%s\"; nothing printed\n",
                         it->second.c_str(), file.c_str(), stem.c_str());
            return false;
        }
    }
    return true;
}

// The documents a run writes: the --pdf file, or DIR/<stem>.pdf of each file.
std::vector<fs::path> document_files(const PrintArgs& p) {
    std::vector<fs::path> documents;
    if (p.pdf) documents.emplace_back(*p.pdf);
    if (p.pdf_dir)
        for (const std::string& file : p.files) documents.push_back(fs::path(*p.pdf_dir) / (stem_of(file) + ".pdf"));
    return documents;
}

// A document replaces what lies at its name only when that is a regular
// file or a symbolic link (the link itself, never what it points to), and
// never one of the run's inputs, however reached: a device, a FIFO or the
// return itself is refused before anything prints.
bool documents_writable(const PrintArgs& p) {
    std::vector<std::pair<std::string, struct stat>> inputs;
    for (const std::string& file : p.files) {
        struct stat st {};
        if (::stat(file.c_str(), &st) == 0) inputs.emplace_back(file, st);
    }
    if (p.settings) {
        struct stat st {};
        if (::stat(p.settings->c_str(), &st) == 0) inputs.emplace_back(*p.settings, st);
    }
    for (const fs::path& document : document_files(p)) {
        struct stat here {};
        if (::lstat(document.c_str(), &here) != 0) continue;  // nothing there yet
        if (!S_ISREG(here.st_mode) && !S_ISLNK(here.st_mode) && !S_ISDIR(here.st_mode)) {
            std::fprintf(stderr, "dek2018 print: %s is not a regular file; nothing printed\n", document.c_str());
            return false;
        }
        struct stat target {};
        if (::stat(document.c_str(), &target) != 0) continue;  // a dangling link: replaced
        for (const auto& [name, input] : inputs) {
            if (input.st_dev == target.st_dev && input.st_ino == target.st_ino) {
                std::fprintf(stderr, "dek2018 print: %s is the input %s; nothing printed\n", document.c_str(),
                             name.c_str());
                return false;
            }
        }
    }
    return true;
}

// The outcome of one file: 0 printed, 1 an error shown in its transcript, 2 refused.
enum Outcome { kPrinted = 0, kError = 1, kRefused = 2 };

// Runs the return's print dialog headless on `printers`, the transcript to
// `out`. With a document as the printer, each sheet is bookmarked with its
// name and the document is written when the dialog has closed; a write that
// fails is an error of the run, shown in its transcript.
Outcome print_return(api::Module& module, const PrintArgs& p, ReturnFile& r, api::Printers& printers,
                     api::DocumentPrinter* document, std::ostream& out, BatchProgress& progress) {
    const std::unique_ptr<api::ScriptedPlatform> platform =
        module.scripted_platform(printers, api::Script{p.cancel, {}}, &out);
    try {
        std::unique_ptr<api::Dialog> dialog =
            module.create_dialog(dialog_class_name(r.form), api::DialogContext{r.data, *platform}, nullptr);
        if (!dialog)
            throw std::logic_error("dialog class " + std::string(dialog_class_name(r.form)) + " is not registered");
        dialog->run_headless(p.clicks);
    } catch (const std::invalid_argument& e) {
        progress.clear();
        std::fprintf(stderr, "dek2018 print: %s\n", e.what());
        return kRefused;
    }
    if (document != nullptr) {
        try {
            if (!document->finish()) {
                progress.clear();
                std::fprintf(stderr, "dek2018 print: no sheet printed; %s not written\n",
                             document->file().string().c_str());
            }
        } catch (const std::exception& e) {
            platform->ShowException(e.what());
        }
    }
    return platform->errors() != 0 ? kError : kPrinted;
}

}  // namespace

// dek2018 print: the print dialog and its job without a screen, for one
// return file or several in turn. Standard output carries the transcript
// of each run, one line per event.
int cmd_print(const Invocation& args, api::Module& module) {
    const std::optional<PrintArgs> parsed = parse(args);
    if (!parsed) return 2;
    const PrintArgs& p = *parsed;
    if (!stems_usable(p) || !documents_writable(p)) return 2;
    const bool batch = p.files.size() > 1;

    prepare_headless();
    CommandApplication app;

    // The system's printers serve every file printed with --out; the printer
    // named is looked for once, before anything prints.
    std::unique_ptr<api::SystemPrinters> printers;
    // The --out folder is held for the whole run (a batch holds DIR itself),
    // before anything in it is written or removed.
    std::unique_ptr<api::FolderLock> lock;
    if (p.out) {
        lock = module.lock_folder(*p.out);
        if (lock->busy()) {
            std::fprintf(stderr, "dek2018 print: another print is writing into the folder %s; nothing printed\n",
                         p.out->c_str());
            return 2;
        }
        printers = module.system_printers(*p.out);
        printers->set_fit_to_printable_area(p.fit);
        if (p.printer) {
            const int index = printers->find(*p.printer);
            if (index < 0) {
                std::string names;
                for (const auto& n : printers->names()) names += (names.empty() ? "" : ", ") + n;
                std::fprintf(stderr, "dek2018 print: no printer named \"%s\" (printers: %s)\n", p.printer->c_str(),
                             names.c_str());
                return 2;
            }
            printers->set_index(index);
        }
        // A stopped queue would keep every sheet: said before the first prompt.
        try {
            printers->check_ready(printers->index());
        } catch (const std::runtime_error& e) {
            std::fprintf(stderr, "dek2018 print: %s; nothing printed\n", e.what());
            return 2;
        }
    }

    BatchProgress progress(batch && ::isatty(STDERR_FILENO) == 1);
    ProgressAwareStream out(std::cout, progress);
    int worst = kPrinted;
    for (std::size_t i = 0; i < p.files.size(); ++i) {
        const std::string& file = p.files[i];
        const std::string stem = stem_of(file);
        progress.show(static_cast<int>(i + 1), static_cast<int>(p.files.size()), fs::path(file).filename().string());
        if (batch) out << "FILE " << module.one_line(file) << '\n' << std::flush;
        progress.clear();  // a file that does not load says so on standard error
        std::optional<ReturnFile> r = load_for_dialog(
            module, "print", file, p.settings ? std::optional<std::filesystem::path>(*p.settings) : std::nullopt);
        if (!r) {
            worst = kRefused;
            continue;
        }
        progress.redraw();
        Outcome outcome;
        if (p.out) {
            printers->set_pdf_dir(batch ? fs::path(*p.out) / stem : fs::path(*p.out));
            outcome = print_return(module, p, *r, *printers, nullptr, out, progress);
        } else {
            // The folder of --pdf-dir is made as the PDF printer makes its own;
            // when it cannot be, writing the document says why.
            std::error_code ignored;
            if (p.pdf_dir) fs::create_directories(*p.pdf_dir, ignored);
            const std::unique_ptr<api::DocumentPrinter> document =
                module.document_printer({p.pdf ? fs::path(*p.pdf) : fs::path(*p.pdf_dir) / (stem + ".pdf"),
                                         form_title(r->form, r->data) + " 2018", p.pdfa});
            outcome = print_return(module, p, *r, *document, document.get(), out, progress);
        }
        worst = std::max<int>(worst, outcome);
    }
    progress.clear();
    return worst;
}

}  // namespace dek::host
