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

SystemPrinters::SystemPrinters(std::filesystem::path pdf_dir, PdfWriter write_pdf)
    : pdf_dir_(std::move(pdf_dir)), write_pdf_(std::move(write_pdf)) {
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

    // The sheet is drawn completely before the run starts, so that a page
    // that cannot be drawn leaves no half job behind.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        write_pdf_(page, buffer);
    }

    if (page.printer_index != pdf_printer_index()) {
        cups_print_pdf(names_[static_cast<std::size_t>(page.printer_index)], title,
                       {pdf.constData(), static_cast<std::size_t>(pdf.size())});
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

}  // namespace dek::platform
