#include "platform/cups.h"

#include <cups/cups.h>

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "platform/platform.h"

namespace dek::platform {

CupsDestinations cups_destinations() {
    CupsDestinations result;
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i) {
        std::string name = dests[i].name;
        if (dests[i].instance != nullptr) name += std::string("/") + dests[i].instance;
        if (dests[i].is_default) result.default_index = static_cast<int>(result.names.size());
        result.names.push_back(std::move(name));
    }
    cupsFreeDests(count, dests);
    return result;
}

std::optional<PrinterPaper> cups_a4_paper(const std::string& queue) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (dest == nullptr) return std::nullopt;
    std::optional<PrinterPaper> paper;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        cups_size_t size;
        if (cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, info, "iso_a4_210x297mm", CUPS_MEDIA_FLAGS_DEFAULT,
                                   &size) != 0) {
            // Hundredths of a millimetre.
            const QSizeF sheet(size.width / 100.0, size.length / 100.0);
            paper = PrinterPaper{
                sheet, QRectF(QPointF(size.left / 100.0, size.top / 100.0),
                              QPointF(sheet.width() - size.right / 100.0, sheet.height() - size.bottom / 100.0))};
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return paper;
}

namespace {

// The options of every run: whatever the printer dialog let the user set, a
// sheet is one A4 portrait page drawn from the paper's edge, printed once on
// one side.
cups_option_t* run_options(int& count) {
    cups_option_t* options = nullptr;
    count = 0;
    count = cupsAddOption("copies", "1", count, &options);
    count = cupsAddOption("media", "iso_a4_210x297mm", count, &options);
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

void cups_print_pdf(std::string_view name, const std::string& title, std::string_view pdf) {
    // An instance ("queue/instance") prints on its queue; its saved options
    // are not carried over.
    const std::string queue(name.substr(0, name.find('/')));
    int count = 0;
    cups_option_t* options = run_options(count);
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.c_str(), title.c_str(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0) fail(queue, "cannot start the print run");

    auto cancel_and_fail = [&](const std::string& what) {
        const std::string message = "printer \"" + queue + "\": " + what + ": " + cupsLastErrorString();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), job, 0);
        throw PrintError(message);
    };
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.c_str(), job, title.c_str(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        cancel_and_fail("cannot start the print run");
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.data(), pdf.size()) != HTTP_STATUS_CONTINUE) {
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str());  // ends the request before the cancel
        cancel_and_fail("cannot send the sheet");
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.c_str()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        cancel_and_fail("cannot finish the print run");
}

}  // namespace dek::platform
