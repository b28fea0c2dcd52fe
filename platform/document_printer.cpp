#include "platform/document_printer.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <string>
#include <utility>

#include "platform/output_file.h"
#include "platform/pdf_background.h"
#include "platform/pdf_outline.h"
#include "platform/platform.h"
#include "platform/render.h"
#include "report/page.h"

namespace dek::platform {

DocumentPrinter::DocumentPrinter(DocumentOptions options)
    : options_(std::move(options)), names_{std::string(SystemPrinters::kPdfPrinterName)}, buffer_(&pdf_) {}

DocumentPrinter::~DocumentPrinter() {
    if (painter_) painter_->end();
}

void DocumentPrinter::set_index(int index) {
    if (index != 0) throw PrintError("no printer with index " + std::to_string(index));
}

void DocumentPrinter::print(const report::PageReport& page) {
    if (page.printer_index != 0) throw PrintError("no printer with index " + std::to_string(page.printer_index));
    if (!document_ && !writer_) {
        // Written directly; painted through Qt's PDF writer only when the
        // pages may show the user's scans.
        if (!renderer_.paints_scans()) {
            document_ = renderer_.pdf_document(
                PdfOptions{.title = QString::fromStdString(options_.title), .pdfa = options_.pdfa});
        } else {
            buffer_.open(QIODevice::WriteOnly);
            writer_ = std::make_unique<QPdfWriter>(&buffer_);
            writer_->setPageSize(QPageSize(QPageSize::A4));
            writer_->setPageOrientation(QPageLayout::Portrait);
            writer_->setPageMargins(QMarginsF(0, 0, 0, 0));
            writer_->setResolution(1200);
            writer_->setCreator(QStringLiteral("dek2018"));
            writer_->setTitle(QString::fromStdString(options_.title));
            if (options_.pdfa) writer_->setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
            painter_ = std::make_unique<QPainter>(writer_.get());
            if (!painter_->isActive()) throw PrintError("cannot start the document " + options_.file.string());
        }
    } else if (writer_ && !writer_->newPage()) {
        throw PrintError("cannot start a new page of the document " + options_.file.string());
    }
    if (document_) {
        if (!renderer_.draw_pdf_page(*document_, page))
            throw PrintError("cannot draw " + page.class_name() + " in the document " + options_.file.string());
    } else {
        renderer_.paint_page(*painter_, page);
    }
    titles_.push_back(next_title_.empty() ? page.class_name() : std::exchange(next_title_, {}));
}

bool DocumentPrinter::finish() {
    if (document_) {
        try {
            pdf_ = renderer_.finish_pdf(*document_);
        } catch (const BackgroundError& e) {
            throw PrintError("cannot write " + options_.file.string() + ": " + e.what());
        }
        document_.reset();
    } else if (painter_) {
        painter_->end();
        painter_.reset();
        writer_.reset();
        buffer_.close();
    } else {
        return false;
    }
    std::string document;
    try {
        document = with_outline({pdf_.constData(), static_cast<std::size_t>(pdf_.size())}, titles_);
    } catch (const OutlineError& e) {
        throw PrintError("cannot write " + options_.file.string() + ": " + e.what());
    }
    try {
        write_file_replacing(options_.file, document);
    } catch (const OutputError& e) {
        throw PrintError("cannot write " + std::string(e.what()));
    }
    return true;
}

}  // namespace dek::platform
