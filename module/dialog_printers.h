// The printers of `dek2018 dialog`: the system's printers, where the printer
// dialog's "print to file" choice makes the PDF printer write one PDF
// document of the return at the chosen file, bookmarked as `print --pdf`
// makes it, in place of a file per sheet in its folder. They count where the
// sheets went, for the command's closing words.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/document_printer.h"
#include "platform/printers.h"
#include "platform/qt_platform.h"

namespace dek::library {

class DialogPrinters final : public platform::FilePrinters {
public:
    // `title` is the document's ("PIT-37 2018"); `proposed` the file the
    // printer dialog offers before any file was chosen.
    DialogPrinters(platform::SystemPrinters& system, std::string title, std::filesystem::path proposed);

    // The system's printers; while a file is chosen the PDF printer's entry
    // names it: "Zapis do pliku PDF: /home/jan/zeznanie.pdf".
    const std::vector<std::string>& names() const override { return names_; }
    int index() const override { return system_.index(); }
    // Another printer: the file chosen is given up.
    void set_index(int index) override;
    void print(const report::PageReport& page) override;

    int file_printer_index() const override { return system_.pdf_printer_index(); }
    std::filesystem::path output_file() const override { return file_.value_or(proposed_); }
    void print_to_file(std::filesystem::path file) override;
    const std::optional<std::filesystem::path>& chosen_file() const { return file_; }

    // The bookmark of the next sheet, when it goes into the document.
    void name_next_sheet(std::string title) { next_title_ = std::move(title); }
    // The end of a print job: the document of its sheets, if any, is written
    // when the job completed and given up when it stopped at an error.
    // Throws PrintError, naming the file, when it cannot be written.
    void end_job(bool completed);

    // Where the sheets went and how many, one line each: "4 sheets into the
    // folder wydruki", "11 sheets into /home/jan/zeznanie.pdf", "1 sheet to
    // the printer biuro"; empty when none was printed.
    std::vector<std::string> destinations() const;

private:
    struct Destination {
        std::string where;
        int sheets = 0;
    };
    void count(const std::string& where, int sheets);
    void update_names();

    platform::SystemPrinters& system_;
    std::string title_;
    std::filesystem::path proposed_;
    std::optional<std::filesystem::path> file_;
    std::vector<std::string> names_;
    std::optional<platform::DocumentPrinter> document_;
    std::string next_title_;
    std::vector<Destination> destinations_;
};

}  // namespace dek::library
