#include "module/dialog_printers.h"

#include <system_error>
#include <utility>

#include "platform/platform.h"
#include "report/page.h"

namespace dek::library {

namespace fs = std::filesystem;

DialogPrinters::DialogPrinters(platform::SystemPrinters& system, std::string title, fs::path proposed)
    : system_(system), title_(std::move(title)) {
    // Absolute: the printer dialog would take a relative name from the home folder.
    std::error_code ignored;
    proposed_ = fs::absolute(proposed, ignored);
    if (proposed_.empty()) proposed_ = std::move(proposed);
    update_names();
}

void DialogPrinters::update_names() {
    names_ = system_.names();
    if (file_) names_[static_cast<std::size_t>(file_printer_index())] += ": " + file_->string();
}

void DialogPrinters::set_index(int index) {
    system_.set_index(index);
    file_.reset();
    update_names();
}

void DialogPrinters::print_to_file(fs::path file) {
    // Kept absolute: the printer's label names the file wherever the program runs.
    std::error_code ignored;
    const fs::path absolute = fs::absolute(file, ignored);
    system_.set_index(file_printer_index());
    file_ = absolute.empty() ? file : absolute;
    update_names();
}

void DialogPrinters::print(const report::PageReport& page) {
    const std::string title = std::exchange(next_title_, {});
    if (!file_ || page.printer_index != file_printer_index()) {
        system_.print(page);
        if (page.printer_index == file_printer_index())
            count("the folder " + system_.pdf_dir().string(), 1);
        else
            count("the printer " + system_.names().at(static_cast<std::size_t>(page.printer_index)), 1);
        return;
    }
    if (!document_) document_.emplace(platform::DocumentOptions{*file_, title_ + " 2018", false});
    // The document is a printer of its own, whose one printer is index 0:
    // the sheet goes to it as to that printer, and keeps its index after.
    auto& sheet = const_cast<report::PageReport&>(page);
    struct Restore {
        report::PageReport& page;
        int index;
        ~Restore() { page.printer_index = index; }
    } restore{sheet, sheet.printer_index};
    sheet.printer_index = 0;
    document_->name_next_sheet(title);
    document_->print(sheet);
}

void DialogPrinters::end_job(bool completed) {
    if (!document_) return;
    // The next job starts a document of its own, whatever became of this one.
    struct Reset {
        std::optional<platform::DocumentPrinter>& document;
        ~Reset() { document.reset(); }
    } reset{document_};
    if (completed && document_->finish()) count(document_->file().string(), document_->pages());
}

void DialogPrinters::count(const std::string& where, int sheets) {
    for (Destination& d : destinations_) {
        if (d.where == where) {
            d.sheets += sheets;
            return;
        }
    }
    destinations_.push_back({where, sheets});
}

std::vector<std::string> DialogPrinters::destinations() const {
    std::vector<std::string> lines;
    for (const Destination& d : destinations_)
        lines.push_back(std::to_string(d.sheets) + (d.sheets == 1 ? " sheet " : " sheets ") +
                        (d.where.starts_with("the printer ") ? "to " : "into ") + d.where);
    return lines;
}

}  // namespace dek::library
