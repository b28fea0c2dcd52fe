#include "platform/printable_area.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>

#include "platform/cups.h"
#include "platform/platform.h"

namespace dek::platform {

namespace {

std::optional<PrinterPaper> qt_paper(const std::string& queue, std::string* stated) {
    const QString name = QString::fromStdString(queue);
    // A QPrinter given a name Qt does not know falls back to another
    // printer: only a listed name is asked.
    if (!QPrinterInfo::availablePrinterNames().contains(name)) return std::nullopt;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(name);
    if (!printer.isValid() || printer.printerName() != name) return std::nullopt;
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);  // as printers state them; millimetres would come rounded
    constexpr double kMmPerPoint = 25.4 / 72.0;
    const QRectF page = layout.fullRect();
    const QMarginsF margins = layout.minimumMargins();
    const QRectF printable = page.marginsRemoved(margins);
    if (stated != nullptr) {
        // As a PPD's *ImageableArea gives it: from the lower-left corner.
        char text[160];
        std::snprintf(text, sizeof text, "%g %g %g %g pt (left, bottom, right, top) on %g x %g pt", margins.left(),
                      margins.bottom(), page.width() - margins.right(), page.height() - margins.top(), page.width(),
                      page.height());
        *stated = text;
        // Numbers that did not survive the conversion are given as the
        // queue's PPD writes them.
        const double values[] = {margins.left(), margins.top(), margins.right(), margins.bottom()};
        if (std::any_of(std::begin(values), std::end(values), [](double v) { return !std::isfinite(v); })) {
            if (std::string line = cups_ppd_a4_area(queue); !line.empty()) *stated = line;
        }
    }
    return PrinterPaper{page.size() * kMmPerPoint,
                        QRectF(printable.topLeft() * kMmPerPoint, printable.size() * kMmPerPoint)};
}

}  // namespace

std::string stated_mm(const PrinterPaper& paper) {
    char text[160];
    std::snprintf(text, sizeof text, "%g %g %g %g mm (left, top, right, bottom) on %g x %g mm", paper.printable.left(),
                  paper.printable.top(), paper.printable.right(), paper.printable.bottom(), paper.size.width(),
                  paper.size.height());
    return text;
}

PrinterPaper a4_printer_paper(const std::string& queue, std::string* stated) {
    if (std::optional<PrinterPaper> paper = qt_paper(queue, stated)) return *paper;
    if (std::optional<PrinterPaper> paper = cups_a4_paper(queue)) {
        if (stated != nullptr) *stated = stated_mm(*paper);
        return *paper;
    }
    throw PrintError("printer \"" + queue + "\": cannot read its printable area of A4");
}

}  // namespace dek::platform
