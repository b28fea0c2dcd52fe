// The system printer object: the list of printers, the application-wide
// current printer, and the printing of one page as a print run of its own.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cups.h"
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

// Writes a filled page as a one-page PDF document of the paper's size in
// millimetres (A4 but for a printer without A4), drawn from the paper's
// edge, the sheet placed on the paper by the fit.
using PdfWriter = std::function<void(const report::PageReport&, QIODevice&, const SheetFit&, const QSizeF& paper)>;
// What a filled page draws on the paper as designed (millimetres from the
// paper's top-left corner).
using ExtentOf = std::function<QRectF(const report::PageReport&)>;

// A line for the user about what a printer did besides printing.
using Notice = std::function<void(const std::string&)>;

// Whether a page class of that name exists ("TF_w37181").
using IsPageClass = std::function<bool(std::string_view)>;

// Whether the printer list asks the CUPS server: a command that prints only
// to files never does.
enum class CupsUse { listed, never };

// Writes a notice on standard error.
void notice_on_stderr(const std::string& line);

// The printers of this system: the CUPS destinations the CUPS client library
// finds (CUPS_SERVER and the client configuration apply), then one printer
// that writes each run to a PDF file of its own, run n of the program to
// `pdf_dir`/NN-CLASS.pdf ("01-TF_w37181.pdf"), through a new file renamed
// over that name (output_file.h). Before its first sheet in a folder it
// removes the sheet files an earlier print left there (remove_sheet_files)
// and tells how many through `notice`. The list is read once, when the
// object is made, waiting at most kCupsListWait for a server that takes the
// connection but does not answer; `notice` then says so and the list holds
// the PDF printer only. At start the current printer is the CUPS default
// destination, or the PDF printer when there is none.
//
// Only the printer is carried into a run: every run is a fresh job, A4
// portrait, full page, one copy, no duplex. A queue that is stopped takes no
// run (PrintError naming it and its state).
//
// A CUPS printer that cannot print near the paper's edge gets each sheet
// that reaches into its unprintable margin scaled down to its printable area
// (`fit_sheet`), and standard error says so once per printer with the scale.
// A queue that lists no A4 gets its default paper asked for and every sheet
// fitted into it (with its margins, or without them when fitting is off),
// never cut, and the notice says so. The PDF printer writes every sheet as
// designed.
class SystemPrinters final : public Printers {
public:
    static constexpr std::string_view kPdfPrinterName = "Zapis do pliku PDF";

    SystemPrinters(std::filesystem::path pdf_dir, PdfWriter write_pdf, ExtentOf extent_of, IsPageClass is_page_class,
                   CupsUse cups = CupsUse::listed, Notice notice = notice_on_stderr);

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
    // Throws PrintError, naming the printer and its state, when the printer
    // at `index` is a CUPS queue that is stopped; a print checks before its
    // first prompt.
    void check_ready(int index) const;

private:
    std::vector<std::string> names_;
    int index_ = 0;
    int runs_ = 0;
    bool folder_cleared_ = false;  // the old sheets of pdf_dir_ are gone
    std::filesystem::path pdf_dir_;
    PdfWriter write_pdf_;
    ExtentOf extent_of_;
    IsPageClass is_page_class_;
    Notice notice_;
    bool fit_ = true;
    struct QueuePaper {
        bool a4 = true;
        std::string media = kA4Media;  // its PWG name, asked for in every run
        // Its size and printable area: read when first needed, for A4 only
        // when sheets are fitted.
        std::optional<PrinterPaper> paper;
        std::string stated;  // the printable area as the queue states it
    };
    std::map<std::string, QueuePaper, std::less<>> papers_;  // of each CUPS queue, read once
    std::set<std::string, std::less<>> told_;                // printers whose fit was reported

    QueuePaper& paper_of(const std::string& queue);
    SheetFit fit_for(const std::string& name, const report::PageReport& page);
};

// "NN-CLASS": the title of run n, and the PDF printer's file name without ".pdf".
std::string run_title(int run, std::string_view page_class);

// Whether a file name is one the PDF printer gives its sheets: a run number
// as run_title writes it (two digits, or three from run 100 on), a dash, a
// page class that exists, ".pdf".
bool is_sheet_file_name(std::string_view name, const IsPageClass& is_page_class);

// Removes from `dir` the files and symbolic links named as the PDF printer
// names sheets (a link is removed, never followed); nothing else is touched.
// Returns how many went; a folder that does not exist has none. Throws
// std::system_error, naming the folder or file, when the folder cannot be read
// or a sheet cannot be removed.
int remove_sheet_files(const std::filesystem::path& dir, const IsPageClass& is_page_class);

}  // namespace dek::platform
