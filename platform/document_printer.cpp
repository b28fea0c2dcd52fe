#include "platform/document_printer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cerrno>
#include <cstring>
#include <random>
#include <string_view>
#include <utility>

#include "platform/pdf_outline.h"
#include "platform/platform.h"
#include "platform/render.h"
#include "report/page.h"

namespace dek::platform {

namespace {

// Writes `bytes` as `target`: a new file created exclusively beside it,
// flushed and closed, then renamed over the name. On failure the new file
// is removed and the system's reason is thrown.
void write_replacing(const std::filesystem::path& target, std::string_view bytes) {
    auto fail = [&](int code) { throw PrintError("cannot write " + target.string() + ": " + std::strerror(code)); };
    std::random_device random;
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = target.parent_path() / ("." + target.filename().string() + "." + std::to_string(random()));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && (errno != EEXIST || attempt >= 100)) fail(errno);
    }
    auto discard = [&](int code) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        fail(code);
    };
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) discard(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) discard(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) discard(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) discard(errno);
}

}  // namespace

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
    if (!writer_) {
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
    } else if (!writer_->newPage()) {
        throw PrintError("cannot start a new page of the document " + options_.file.string());
    }
    paint_page(*painter_, page);
    titles_.push_back(next_title_.empty() ? page.class_name() : std::exchange(next_title_, {}));
}

bool DocumentPrinter::finish() {
    if (!painter_) return false;
    painter_->end();
    painter_.reset();
    writer_.reset();
    buffer_.close();
    std::string document;
    try {
        document = with_outline({pdf_.constData(), static_cast<std::size_t>(pdf_.size())}, titles_);
    } catch (const OutlineError& e) {
        throw PrintError("cannot write " + options_.file.string() + ": " + e.what());
    }
    write_replacing(options_.file, document);
    return true;
}

}  // namespace dek::platform
