// The CUPS client side of the system printers: the destinations, the
// printable area of A4 on a queue and one print run of a PDF document on a
// queue.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sheet_fit.h"

namespace dek::platform {

struct CupsDestinations {
    std::vector<std::string> names;  // "queue" or "queue/instance", as CUPS lists them
    int default_index = -1;          // the default destination, -1 when none
    bool timed_out = false;          // a server was there but did not answer in time
};

// The destinations of the CUPS server the client library talks to (CUPS_SERVER
// and the client configuration apply), waiting at most `wait` for them; none
// when no server is there or it does not answer in that time (timed_out).
CupsDestinations cups_destinations(std::chrono::milliseconds wait);

// How long the printer list is waited for.
inline constexpr std::chrono::milliseconds kCupsListWait{5000};

// Why a CUPS queue cannot take a print run now: "stopped (paused)"; empty
// when it can, or when the server does not say.
std::string cups_queue_stopped(const std::string& queue);

// The PWG name of A4.
inline constexpr const char* kA4Media = "iso_a4_210x297mm";

// The paper a queue prints on when it lists no A4: its default media, with
// its PWG name; empty when the queue is not there, lists A4 or states no
// default.
struct QueuePaper {
    std::string media;
    PrinterPaper paper;
};
std::optional<QueuePaper> cups_paper_without_a4(const std::string& queue);

// The line of the queue's PPD that states its printable area of A4, as
// written there ("*ImageableArea A4/A4: \"12 12 583 830\""); empty when the
// queue has no PPD or the PPD no such line.
std::string cups_ppd_a4_area(const std::string& queue);

// The A4 paper of the queue's printer and how far from each edge it cannot
// print, from the media the queue lists; empty when the queue is not there
// or lists no A4.
std::optional<PrinterPaper> cups_a4_paper(const std::string& queue);

// Sends `pdf` to the queue of destination `name` as one job titled `title`:
// on the paper named `media` (a PWG media name, "iso_a4_210x297mm"),
// portrait, no scaling, one copy, one-sided. Returns once the server has
// answered the whole document with success; throws PrintError when the job
// cannot be created, the document cannot be handed over, or the server gives
// no answer or a failure for it (the job is then cancelled).
void cups_print_pdf(std::string_view name, const std::string& title, std::string_view pdf,
                    const std::string& media = kA4Media);

}  // namespace dek::platform
