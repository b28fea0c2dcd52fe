// The part of an A4 sheet a CUPS printer can print on.
#pragma once

#include <string>

#include "platform/sheet_fit.h"

namespace dek::platform {

// The A4 portrait paper of the printer of CUPS queue `queue` and how far
// from each edge it cannot print: the page and minimum margins of a
// full-page QPrinter for that queue (Qt reads them from the queue's PPD or
// IPP attributes), or, for a queue Qt's print support does not list, CUPS's
// own media attributes. Throws PrintError when neither knows the queue.
PrinterPaper a4_printer_paper(const std::string& queue);

}  // namespace dek::platform
