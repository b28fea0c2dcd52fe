// The platform as the print jobs and dialogs see it: the application's
// message boxes, the default display of an error, the system printer object
// (printer names, current printer, printer dialog) and the printing of one
// filled page as a print run of its own. Qt and CUPS implement it for users
// (QtPlatform); ScriptedPlatform answers from a script for the tests and the
// headless host.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "dek2018/platform.h"

class QWidget;

namespace dek::report {
class PageReport;
}

namespace dek::platform {

// Message-box flags and answers, as the application's message box takes and
// returns them: the public API's.
using api::IDCANCEL;
using api::IDOK;
using api::MB_ICONASTERISK;
using api::MB_ICONEXCLAMATION;
using api::MB_ICONHAND;
using api::MB_ICONQUESTION;
using api::MB_OK;
using api::MB_OKCANCEL;

// A printer that cannot start or finish a print run, or a printer that is not there.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Platform {
public:
    virtual ~Platform() = default;

    // The application's message box: text, caption and flags (buttons in the
    // low four bits, icon in the next four); returns the button pressed.
    virtual int MessageBox(std::string_view text, std::string_view caption, int flags) = 0;
    // The simple information message with one OK button.
    virtual void ShowMessage(std::string_view text) = 0;
    // The default handling of an exception that reached an event handler:
    // shows its message.
    virtual void ShowException(std::string_view message) = 0;

    // The system printer object: the names of the printers and the index of
    // the current one. The current printer is application-wide.
    virtual std::vector<std::string> printer_names() = 0;
    virtual int printer_index() = 0;
    // Shows the printer dialog modally over `owner`; true when the user
    // confirmed, and then the chosen printer is the current one.
    virtual bool execute_printer_dialog(QWidget* owner) = 0;

    // Prints a filled page as one print run of its own on the printer at
    // `page.printer_index`: A4 portrait, coordinates from the paper's edge,
    // one copy, no duplex (a printer that cannot print near the edge may get
    // the sheet scaled to its printable area). Returns once the sheet has been handed to the
    // printing system; throws PrintError when the run cannot be started or
    // finished.
    virtual void print_page(const report::PageReport& page) = 0;
};

}  // namespace dek::platform
