#include "platform/cups.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <fstream>

#include "platform/platform.h"

namespace dek::platform {

namespace {

using Clock = std::chrono::steady_clock;

// Keeps a connection waiting while the deadline has not passed.
extern "C" int before_deadline(http_t* /*http*/, void* deadline) {
    return Clock::now() < *static_cast<const Clock::time_point*>(deadline) ? 1 : 0;
}

// A connection to the CUPS server that gives up at `deadline`, or none.
class BoundedConnection {
public:
    explicit BoundedConnection(Clock::time_point deadline) : deadline_(deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
        http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 1)), nullptr);
        if (http_ != nullptr) httpSetTimeout(http_, 0.25, before_deadline, &deadline_);
    }
    ~BoundedConnection() {
        if (http_ != nullptr) httpClose(http_);
    }
    BoundedConnection(const BoundedConnection&) = delete;
    BoundedConnection& operator=(const BoundedConnection&) = delete;

    http_t* get() const { return http_; }
    bool expired() const { return Clock::now() >= deadline_; }

private:
    Clock::time_point deadline_;
    http_t* http_ = nullptr;
};

PrinterPaper paper_of(const cups_size_t& size) {
    // Hundredths of a millimetre.
    const QSizeF sheet(size.width / 100.0, size.length / 100.0);
    return PrinterPaper{sheet,
                        QRectF(QPointF(size.left / 100.0, size.top / 100.0),
                               QPointF(sheet.width() - size.right / 100.0, sheet.height() - size.bottom / 100.0))};
}

}  // namespace

CupsDestinations cups_destinations(std::chrono::milliseconds wait) {
    CupsDestinations result;
    BoundedConnection http(Clock::now() + wait);
    if (http.get() == nullptr) return result;  // no server there
    // A server that takes the connection but never answers would hold the
    // listing for minutes: one small request first, bounded by the deadline.
    ipp_t* probe = cupsDoRequest(http.get(), ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    const bool answered = probe != nullptr;
    ippDelete(probe);
    if (!answered) {
        result.timed_out = http.expired();
        return result;
    }
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(http.get(), &dests);
    for (int i = 0; i < count; ++i) {
        std::string name = dests[i].name;
        if (dests[i].instance != nullptr) name += std::string("/") + dests[i].instance;
        if (dests[i].is_default) result.default_index = static_cast<int>(result.names.size());
        result.names.push_back(std::move(name));
    }
    cupsFreeDests(count, dests);
    if (count == 0 && http.expired()) result.timed_out = true;
    return result;
}

std::string cups_queue_stopped(const std::string& queue) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (dest == nullptr) return {};
    std::string why;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    if (state != nullptr && std::string_view(state) == "5") {
        why = "stopped";
        const char* reasons = cupsGetOption("printer-state-reasons", dest->num_options, dest->options);
        const char* message = cupsGetOption("printer-state-message", dest->num_options, dest->options);
        std::string detail =
            reasons != nullptr && *reasons != '\0' && std::string_view(reasons) != "none" ? reasons : "";
        if (message != nullptr && *message != '\0') detail += (detail.empty() ? "" : ": ") + std::string(message);
        if (!detail.empty()) why += " (" + detail + ")";
    }
    cupsFreeDests(1, dest);
    return why;
}

namespace {

// Runs `read` on the queue's destination and its supported options; empty
// when the queue is not there or states nothing.
template <typename Read>
auto with_dest_info(const std::string& queue, Read read) -> decltype(read(nullptr, nullptr)) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (dest == nullptr) return std::nullopt;
    decltype(read(nullptr, nullptr)) result;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        result = read(dest, info);
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return result;
}

bool lists_a4(cups_dest_t* dest, cups_dinfo_t* info, cups_size_t& size) {
    return cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, info, kA4Media, CUPS_MEDIA_FLAGS_DEFAULT, &size) != 0;
}

}  // namespace

std::optional<PrinterPaper> cups_a4_paper(const std::string& queue) {
    return with_dest_info(queue, [](cups_dest_t* dest, cups_dinfo_t* info) -> std::optional<PrinterPaper> {
        cups_size_t size;
        if (!lists_a4(dest, info, size)) return std::nullopt;
        return paper_of(size);
    });
}

std::optional<QueuePaper> cups_paper_without_a4(const std::string& queue) {
    return with_dest_info(queue, [](cups_dest_t* dest, cups_dinfo_t* info) -> std::optional<QueuePaper> {
        cups_size_t size;
        if (lists_a4(dest, info, size)) return std::nullopt;
        if (cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &size) == 0 ||
            size.width <= 0 || size.length <= 0)
            return std::nullopt;
        return QueuePaper{size.media, paper_of(size)};
    });
}

std::string cups_ppd_a4_area(const std::string& queue) {
    char file[1024] = "";
    time_t modified = 0;
    // The PPD functions are deprecated for IPP Everywhere printers; a queue
    // made from a PPD still states its printable area there, as written.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const http_status_t got = cupsGetPPD3(CUPS_HTTP_DEFAULT, queue.c_str(), &modified, file, sizeof file);
#pragma GCC diagnostic pop
    if (got != HTTP_STATUS_OK || file[0] == '\0') return {};
    std::string found;
    {
        std::ifstream ppd(file);
        std::string line;
        while (std::getline(ppd, line)) {
            if (line.starts_with("*ImageableArea A4/") || line.starts_with("*ImageableArea A4:")) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                found = line.substr(0, 120);
                break;
            }
        }
    }
    ::unlink(file);
    return found;
}

namespace {

// The options of every run: whatever the printer dialog let the user set, a
// sheet is one portrait page drawn from the paper's edge, printed once on
// one side.
cups_option_t* run_options(const std::string& media, int& count) {
    cups_option_t* options = nullptr;
    count = 0;
    count = cupsAddOption("copies", "1", count, &options);
    count = cupsAddOption("media", media.c_str(), count, &options);
    count = cupsAddOption("orientation-requested", "3", count, &options);
    count = cupsAddOption("sides", "one-sided", count, &options);
    count = cupsAddOption("print-scaling", "none", count, &options);
    count = cupsAddOption("number-up", "1", count, &options);
    return options;
}

[[noreturn]] void fail(std::string_view queue, const std::string& what) {
    throw PrintError("printer \"" + std::string(queue) + "\": " + what + ": " + cupsLastErrorString());
}

}  // namespace

void cups_print_pdf(std::string_view name, const std::string& title, std::string_view pdf, const std::string& media) {
    // An instance ("queue/instance") prints on its queue; its saved options
    // are not carried over.
    const std::string queue(name.substr(0, name.find('/')));
    int count = 0;
    cups_option_t* options = run_options(media, count);
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), title.c_str(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0) fail(queue, "cannot start the print run");

    auto cancel_and_fail = [&](const std::string& what, const std::string& reason) {
        const std::string message = "printer \"" + queue + "\": " + what + ": " + reason;
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
        throw PrintError(message);
    };
    const std::string resource = "/printers/" + queue;
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        cancel_and_fail("cannot start the print run", cupsLastErrorString());
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.data(), pdf.size()) != HTTP_STATUS_CONTINUE) {
        ippDelete(cupsGetResponse(CUPS_HTTP_DEFAULT, resource.c_str()));  // ends the request before the cancel
        cancel_and_fail("cannot send the sheet", cupsLastErrorString());
    }
    // The request is finished only by the server's answer to it: a server
    // that went away after the data were sent gives none, and the status of
    // the last request that did get one would read as success.
    ipp_t* answer = cupsGetResponse(CUPS_HTTP_DEFAULT, resource.c_str());
    if (answer == nullptr) cancel_and_fail("cannot finish the print run", "the print server gave no answer");
    const ipp_status_t status = ippGetStatusCode(answer);
    ippDelete(answer);
    if (status > IPP_STATUS_OK_EVENTS_COMPLETE) cancel_and_fail("cannot finish the print run", ippErrorString(status));
}

}  // namespace dek::platform
