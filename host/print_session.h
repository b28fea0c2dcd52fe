// What the dialog, print and demo commands share: the page writer of the
// system printers, and the headless run of a print dialog.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "jobs/print_dialog.h"
#include "platform/printers.h"

namespace dek::host {

// Renders a filled page as a one-page PDF document.
platform::PdfWriter page_pdf_writer();

// A component named on the command line that the dialog does not have or
// that cannot be clicked.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs a print dialog as a user would, without a screen: creates it by class
// name, activates it, clicks the named components in order (a disabled or
// hidden component does nothing), presses "&Drukuj" unless a click closed
// the dialog, and deactivates it. Events reach the context's platform. The
// names are checked before anything runs; throws UsageError for a bad one
// and std::logic_error when the class is not registered.
void run_headless(std::string_view class_name, const jobs::DialogContext& ctx, const std::vector<std::string>& clicks);

// Makes a headless command independent of any display (Qt's offscreen
// platform), with Qt's own diagnostics kept off the output: only its critical
// and fatal messages reach standard error.
void prepare_headless();

}  // namespace dek::host
