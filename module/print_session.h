// What the dialog, print and demo paths share: the system printers drawing
// with one renderer, and the headless run of a print dialog.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "jobs/print_dialog.h"
#include "platform/printers.h"

namespace dek::library {

// The system printers, the PDF printer writing into `out`. One renderer
// draws every sheet as a one-page PDF document (placed on the paper by a fit)
// and measures what it draws, so what the sheets of a page share is worked
// out once for both. The CUPS server is asked for its printers unless `cups`
// says never.
platform::SystemPrinters system_printers(std::filesystem::path out, platform::CupsUse cups = platform::CupsUse::listed);

// Runs a print dialog as a user would, without a screen: activates it,
// clicks the named components in order (a disabled or hidden component does
// nothing), presses "&Drukuj" unless a click closed the dialog, and
// deactivates it. Events reach the dialog's platform. The names are checked
// before anything runs; throws std::invalid_argument for a bad one.
void run_headless(jobs::PrintDialog& dialog, const std::vector<std::string>& clicks);

// The same for a dialog created by class name; throws std::logic_error when
// the class is not registered.
void run_headless(std::string_view class_name, const jobs::DialogContext& ctx, const std::vector<std::string>& clicks);

}  // namespace dek::library
