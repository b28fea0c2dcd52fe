// The platform as the module's dialogs use it: the user's side (message
// boxes, the default display of an error, the printer dialog), which a host
// may replace or take as the Qt one, and the printers the sheets go to, which
// are the module's own and chosen by name.
#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dek2018/export.h"

class QWidget;

namespace dek::api {

// Message-box flags and answers, as the application's message box takes and
// returns them: buttons in the low four bits, the icon in the next four.
inline constexpr int MB_OK = 0x00;
inline constexpr int MB_OKCANCEL = 0x01;
inline constexpr int MB_ICONHAND = 0x10;
inline constexpr int MB_ICONQUESTION = 0x20;
inline constexpr int MB_ICONEXCLAMATION = 0x30;
inline constexpr int MB_ICONASTERISK = 0x40;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// The parts of the platform a host may put in place of the Qt ones. Every
// call comes on the user-interface thread while a dialog's handler runs.
class DEK2018_EXPORT UserInterface {
public:
    virtual ~UserInterface() = default;

    // The application's message box: text, caption and flags; returns the
    // button pressed (IDOK, IDCANCEL). Lines are broken by "\n\r".
    virtual int MessageBox(std::string_view text, std::string_view caption, int flags) = 0;
    // The simple information message with one OK button.
    virtual void ShowMessage(std::string_view text) = 0;
    // The default display of an error that ended a handler: its message.
    virtual void ShowException(std::string_view message) = 0;
    // The printer dialog, modal over `owner`, opened on printer `current` of
    // `printers`: the index of the printer the user confirmed, or nothing
    // when the user cancelled.
    virtual std::optional<int> execute_printer_dialog(QWidget* owner, const std::vector<std::string>& printers,
                                                      int current) = 0;
};

// The module's printers, one of which is current. They are made by the
// module (Module::system_printers, Module::document_printer); a host does
// not implement them.
class DEK2018_EXPORT Printers {
public:
    virtual ~Printers() = default;
    virtual const std::vector<std::string>& names() const = 0;
    virtual int index() const = 0;  // the current printer
    virtual void set_index(int index) = 0;

    // Index of the printer of that name, or -1.
    int find(std::string_view name) const {
        const auto& all = names();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i] == name) return static_cast<int>(i);
        return -1;
    }
};

// Whether the system's printers ask the CUPS server for its queues: a
// command that prints only to files never does.
enum class CupsUse { listed, never };

// The printers of the system: its CUPS queues, then the PDF printer, which
// writes each sheet to a PDF file of its own in a folder (01-TF_w37181.pdf,
// 02-...), first removing the sheet files an earlier print left there. At
// start the current printer is the CUPS default, or the PDF printer when
// there is none.
class DEK2018_EXPORT SystemPrinters : public Printers {
public:
    static constexpr std::string_view kPdfPrinterName = "Zapis do pliku PDF";

    int pdf_printer_index() const { return static_cast<int>(names().size()) - 1; }
    // The PDF printer's folder; its sheet numbers start again at 1.
    virtual void set_pdf_dir(std::filesystem::path dir) = 0;
    // On (the default): a CUPS printer that cannot print near the paper's edge
    // gets each sheet scaled down to its printable area. Off: every sheet as
    // designed.
    virtual void set_fit_to_printable_area(bool on) = 0;
    // Throws std::runtime_error, naming the printer and its state, when the
    // printer at `index` is a CUPS queue that is stopped: a print checks
    // before its first prompt.
    virtual void check_ready(int index) const = 0;
};

// The system's printers as the printer dialog of a desktop host offers them:
// its "print to file" choice makes the PDF printer write one PDF document of
// the return at the chosen file, bookmarked with the names of the sheets, in
// place of a file per sheet in its folder; while a file is chosen the PDF
// printer's entry names it ("Zapis do pliku PDF: /home/jan/zeznanie.pdf").
// Another printer chosen gives the file up. The document of a job is written
// when the job completes and given up when it stops at an error. They count
// where the sheets went.
class DEK2018_EXPORT DialogPrinters : public Printers {
public:
    // Where the sheets went and how many, one line each: "4 sheets into the
    // folder wydruki", "11 sheets into /home/jan/zeznanie.pdf", "1 sheet to
    // the printer biuro"; empty when none was printed.
    virtual std::vector<std::string> destinations() const = 0;
};

// Holds a folder for one print, until it is destroyed: an advisory lock on
// the folder's hidden file ".dek2018.lock", made with the folder where it is
// missing. The lock goes with the object or the process, crash included. A
// folder another print holds is busy(); a folder that cannot be made or
// locked at all is not held and not busy (writing there says why).
class DEK2018_EXPORT FolderLock {
public:
    virtual ~FolderLock() = default;
    virtual bool busy() const = 0;
};

struct DocumentOptions {
    std::filesystem::path file;  // the PDF to write
    std::string title;           // the document's title: "PIT-37 2018"
    bool pdfa = false;           // an archive copy: PDF/A-1b
};

// One printer, the PDF printer, making every sheet printed the next page of
// one PDF document, bookmarked with the name of the sheet.
class DEK2018_EXPORT DocumentPrinter : public Printers {
public:
    virtual const std::filesystem::path& file() const = 0;
    virtual int pages() const = 0;
    // Writes the document: a new file beside `file`, renamed over it once
    // complete. Nothing is written when no sheet was printed (returns false).
    // Throws std::runtime_error, naming the file with the system's reason,
    // when it cannot be written.
    virtual bool finish() = 0;
};

// The user's side and the printers together, as a dialog is handed them.
class DEK2018_EXPORT Platform {
public:
    virtual ~Platform() = default;
    // Shows an error as the dialogs show theirs.
    virtual void ShowException(std::string_view message) = 0;
    // Errors shown so far.
    virtual int errors() const = 0;
};

// The answers of a platform without a user.
struct Script {
    // 1-based numbers of the message boxes answered Cancel; all others are answered OK.
    std::set<int> cancel;
    // Answers to the printer dialog, one per opening: the printer chosen and
    // confirmed, or nothing for Cancel. When they run out the dialog is cancelled.
    std::deque<std::optional<std::string>> printer_dialog;
};

// A platform that answers from a script and writes every event as one line
// of a transcript (line feeds and carriage returns as \n and \r):
//
//   PROMPT <caption> | <text>     a message box
//   SHEET <n> <class> nrp=1 ...   a sheet handed to the printer, with the variant fields the page has
//   INFO <text>                   the information message
//   ERROR <message>               an error shown
class DEK2018_EXPORT ScriptedPlatform : public Platform {
public:
    // The transcript lines so far, without line feeds.
    virtual const std::vector<std::string>& events() const = 0;
    // Sheets handed to the printer so far.
    virtual int sheets() const = 0;
};

}  // namespace dek::api
