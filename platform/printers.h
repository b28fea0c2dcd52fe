// The system printer object: the list of printers, the application-wide
// current printer, and the printing of one page as a print run of its own.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sheet_fit.h"

class QIODevice;

namespace dek::report {
class PageReport;
}

namespace dek::platform {

class Printers {
public:
    virtual ~Printers() = default;
    virtual const std::vector<std::string>& names() const = 0;
    virtual int index() const = 0;  // the current printer
    virtual void set_index(int index) = 0;
    // Prints the filled page as one run on the printer at `page.printer_index`;
    // throws PrintError when the run cannot be started or finished.
    virtual void print(const report::PageReport& page) = 0;

    // Index of the printer of that name, or -1.
    int find(std::string_view name) const;
};

// Writes a filled page as a one-page PDF document (A4, drawn from the paper's
// edge), the sheet placed on the paper by the fit.
using PdfWriter = std::function<void(const report::PageReport&, QIODevice&, const SheetFit&)>;
// What a filled page draws on the paper as designed (millimetres from the
// paper's top-left corner).
using ExtentOf = std::function<QRectF(const report::PageReport&)>;

// A line for the user about what a printer did besides printing.
using Notice = std::function<void(const std::string&)>;

// Writes a notice on standard error.
void notice_on_stderr(const std::string& line);

// The printers of this system: the CUPS destinations the CUPS client library
// finds (CUPS_SERVER and the client configuration apply), then one printer
// that writes each run to a PDF file of its own, run n of the program to
// `pdf_dir`/NN-CLASS.pdf ("01-TF_w37181.pdf"), through a new file renamed
// over that name (output_file.h). Before its first sheet in a folder it
// removes the sheet files an earlier print left there (remove_sheet_files)
// and tells how many through `notice`. The list is read once, when the
// object is made. At start the current printer is the CUPS default
// destination, or the PDF printer when there is none.
//
// Only the printer is carried into a run: every run is a fresh job, A4
// portrait, full page, one copy, no duplex.
//
// A CUPS printer that cannot print near the paper's edge gets each sheet
// that reaches into its unprintable margin scaled down to its printable area
// (`fit_sheet`), and standard error says so once per printer with the scale;
// the PDF printer writes every sheet as designed.
class SystemPrinters final : public Printers {
public:
    static constexpr std::string_view kPdfPrinterName = "Zapis do pliku PDF";

    SystemPrinters(std::filesystem::path pdf_dir, PdfWriter write_pdf, ExtentOf extent_of,
                   Notice notice = notice_on_stderr);

    const std::vector<std::string>& names() const override { return names_; }
    int index() const override { return index_; }
    void set_index(int index) override;
    void print(const report::PageReport& page) override;

    int pdf_printer_index() const { return static_cast<int>(names_.size()) - 1; }
    const std::filesystem::path& pdf_dir() const { return pdf_dir_; }
    // Folder of the PDF printer's files; the run numbers start again at 1, and
    // the folder's old sheets go before the first sheet printed into it.
    void set_pdf_dir(std::filesystem::path dir);
    // Runs started so far.
    int runs() const { return runs_; }
    // Off: CUPS printers too get every sheet as designed, whatever their margins.
    void set_fit_to_printable_area(bool on) { fit_ = on; }

private:
    std::vector<std::string> names_;
    int index_ = 0;
    int runs_ = 0;
    bool folder_cleared_ = false;  // the old sheets of pdf_dir_ are gone
    std::filesystem::path pdf_dir_;
    PdfWriter write_pdf_;
    ExtentOf extent_of_;
    Notice notice_;
    bool fit_ = true;
    std::map<std::string, PrinterPaper, std::less<>> papers_;  // of each CUPS queue, read once
    std::set<std::string, std::less<>> told_;                  // printers whose fit was reported

    SheetFit fit_for(const std::string& name, const report::PageReport& page);
};

// "NN-CLASS": the title of run n, and the PDF printer's file name without ".pdf".
std::string run_title(int run, std::string_view page_class);

// Whether a file name is one the PDF printer gives its sheets: two or more
// digits, a dash, a page class ("TF_w" and letters, digits or underscores),
// ".pdf".
bool is_sheet_file_name(std::string_view name);

// Removes from `dir` the files and symbolic links named as the PDF printer
// names sheets (a link is removed, never followed); nothing else is touched.
// Returns how many went; a folder that does not exist has none. Throws
// std::system_error, naming the folder or file, when the folder cannot be read
// or a sheet cannot be removed.
int remove_sheet_files(const std::filesystem::path& dir);

}  // namespace dek::platform
