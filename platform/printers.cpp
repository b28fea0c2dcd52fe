#include "platform/printers.h"

#include <QBuffer>
#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <system_error>

#include "platform/cups.h"
#include "platform/platform.h"
#include "platform/printable_area.h"
#include "report/page.h"

namespace dek::platform {

int Printers::find(std::string_view name) const {
    const auto& list = names();
    const auto it = std::find(list.begin(), list.end(), name);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

std::string run_title(int run, std::string_view page_class) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", run);
    return std::string(number) + "-" + std::string(page_class);
}

SystemPrinters::SystemPrinters(std::filesystem::path pdf_dir, PdfWriter write_pdf, ExtentOf extent_of)
    : pdf_dir_(std::move(pdf_dir)), write_pdf_(std::move(write_pdf)), extent_of_(std::move(extent_of)) {
    CupsDestinations cups = cups_destinations();
    names_ = std::move(cups.names);
    names_.emplace_back(kPdfPrinterName);
    index_ = cups.default_index >= 0 ? cups.default_index : pdf_printer_index();
}

void SystemPrinters::set_index(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size()))
        throw PrintError("no printer with index " + std::to_string(index));
    index_ = index;
}

void SystemPrinters::set_pdf_dir(std::filesystem::path dir) {
    pdf_dir_ = std::move(dir);
    runs_ = 0;
}

void SystemPrinters::print(const report::PageReport& page) {
    if (page.printer_index < 0 || page.printer_index >= static_cast<int>(names_.size()))
        throw PrintError("no printer with index " + std::to_string(page.printer_index));
    const std::string title = run_title(++runs_, page.class_name());
    const bool cups = page.printer_index != pdf_printer_index();
    const std::string& name = names_[static_cast<std::size_t>(page.printer_index)];

    // The sheet is drawn completely before the run starts, so that a page
    // that cannot be drawn leaves no half job behind.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        write_pdf_(page, buffer, cups && fit_ ? fit_for(name, page) : SheetFit{});
    }

    if (cups) {
        cups_print_pdf(name, title, {pdf.constData(), static_cast<std::size_t>(pdf.size())});
        return;
    }

    const std::filesystem::path file = pdf_dir_ / (title + ".pdf");
    const std::string printer = "printer \"" + std::string(kPdfPrinterName) + "\": ";
    std::error_code ec;
    std::filesystem::create_directories(pdf_dir_, ec);
    if (ec) throw PrintError(printer + "cannot start the print run: folder " + pdf_dir_.string() + ": " + ec.message());
    // Written under a temporary name and renamed when complete: a run that
    // fails leaves no partial file.
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly))
        throw PrintError(printer + "cannot start the print run: " + file.string() + ": " +
                         out.errorString().toStdString());
    if (out.write(pdf) != pdf.size() || !out.commit())
        throw PrintError(printer + "cannot finish the print run: " + file.string() + ": " +
                         out.errorString().toStdString());
}

SheetFit SystemPrinters::fit_for(const std::string& name, const report::PageReport& page) {
    // An instance ("queue/instance") prints on its queue.
    const std::string queue = name.substr(0, name.find('/'));
    auto known = papers_.find(queue);
    if (known == papers_.end()) known = papers_.emplace(queue, a4_printer_paper(queue)).first;
    const PrinterPaper& paper = known->second;
    const std::optional<SheetFit> fit = fit_sheet(extent_of_(page), paper);
    char margins[96];
    std::snprintf(margins, sizeof margins, "%.1f, %.1f, %.1f, %.1f mm", paper.printable.left(), paper.printable.top(),
                  paper.size.width() - paper.printable.right(), paper.size.height() - paper.printable.bottom());
    if (!fit)
        throw PrintError("printer \"" + name + "\": its printable area of A4 (" + margins +
                         " unprintable at the left, top, right and bottom edges) cannot take the sheet at a readable "
                         "size");
    if (!fit->identity() && told_.insert(name).second) {
        std::fprintf(stderr,
                     "dek2018: printer \"%s\" cannot print within %s of the paper's left, top, right and bottom "
                     "edges: sheets are scaled down to fit its printable area (%s: %.1f %%)\n",
                     name.c_str(), margins, page.class_name().c_str(), fit->scale * 100.0);
    }
    return *fit;
}

}  // namespace dek::platform
