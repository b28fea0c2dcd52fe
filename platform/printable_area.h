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
// `stated`, when given, receives the printable area as the queue states it,
// for messages: a PPD's points or CUPS's millimetres, unconverted.
PrinterPaper a4_printer_paper(const std::string& queue, std::string* stated = nullptr);

// A paper's printable area in millimetres from its top-left corner, as text.
std::string stated_mm(const PrinterPaper& paper);

}  // namespace dek::platform
