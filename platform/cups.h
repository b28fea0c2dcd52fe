// The CUPS client side of the system printers: the destinations, the
// printable area of A4 on a queue and one print run of a PDF document on a
// queue.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sheet_fit.h"

namespace dek::platform {

struct CupsDestinations {
    std::vector<std::string> names;  // "queue" or "queue/instance", as CUPS lists them
    int default_index = -1;          // the default destination, -1 when none
};

// The destinations of the CUPS server the client library talks to; none when
// no server answers.
CupsDestinations cups_destinations();

// The A4 paper of the queue's printer and how far from each edge it cannot
// print, from the media the queue lists; empty when the queue is not there
// or lists no A4.
std::optional<PrinterPaper> cups_a4_paper(const std::string& queue);

// Sends `pdf` to the queue of destination `name` as one job titled `title`:
// A4 portrait, no scaling, one copy, one-sided. Returns once the server has
// accepted the whole document; throws PrintError when the job cannot be
// created or the document cannot be handed over (the job is then cancelled).
void cups_print_pdf(std::string_view name, const std::string& title, std::string_view pdf);

}  // namespace dek::platform
