// What the dialog, print and demo commands share: the system printers drawing
// with one renderer, and the headless run of a print dialog.
#pragma once

#include <QApplication>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/return_file.h"
#include "jobs/print_dialog.h"
#include "platform/printers.h"

namespace dek::host {

// The system printers, the PDF printer writing into `out`. One renderer
// draws every sheet as a one-page PDF document (placed on the paper by a fit)
// and measures what it draws, so what the sheets of a page share is worked
// out once for both. The CUPS server is asked for its printers unless `cups`
// says never.
platform::SystemPrinters system_printers(std::filesystem::path out, platform::CupsUse cups = platform::CupsUse::listed);

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
// platform). Qt's own diagnostics are kept off the output for every command
// (main).
void prepare_headless();

// Loads the return file of a dialog command, binds its settings file (the
// default file when none is named) and checks that the return's print
// dialog is in this build. On failure the error is on standard error,
// prefixed with the command's name, and the result is empty (exit status 2).
std::optional<ReturnFile> load_for_dialog(const char* command, const std::string& file,
                                          const std::optional<std::filesystem::path>& settings);

// The Qt application of a command, on the command's stack.
class CommandApplication {
public:
    CommandApplication() : app_(argc_, argv_) {}

private:
    int argc_ = 1;
    char name_[8] = "dek2018";
    char* argv_[2] = {name_, nullptr};
    QApplication app_;
};

}  // namespace dek::host
