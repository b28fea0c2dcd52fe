#include "platform/printable_area.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRectF>
#include <QString>
#include <optional>

#include "platform/cups.h"
#include "platform/platform.h"

namespace dek::platform {

namespace {

std::optional<PrinterPaper> qt_paper(const std::string& queue) {
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
    const QRectF printable = page.marginsRemoved(layout.minimumMargins());
    return PrinterPaper{page.size() * kMmPerPoint,
                        QRectF(printable.topLeft() * kMmPerPoint, printable.size() * kMmPerPoint)};
}

}  // namespace

PrinterPaper a4_printer_paper(const std::string& queue) {
    if (std::optional<PrinterPaper> paper = qt_paper(queue)) return *paper;
    if (std::optional<PrinterPaper> paper = cups_a4_paper(queue)) return *paper;
    throw PrintError("printer \"" + queue + "\": cannot read its printable area of A4");
}

}  // namespace dek::platform
