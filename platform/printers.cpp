#include "platform/printers.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <system_error>
#include <vector>

#include "platform/cups.h"
#include "platform/output_file.h"
#include "platform/platform.h"
#include "platform/printable_area.h"
#include "report/page.h"

namespace dek::platform {

namespace {

// A paper whose numbers are all finite, with a printable area of some size
// on it: what a queue states beyond that (a margin of 1e308 points) is no
// size to fit a sheet into.
bool usable(const PrinterPaper& paper) {
    const double values[] = {paper.size.width(),    paper.size.height(),     paper.printable.left(),
                             paper.printable.top(), paper.printable.width(), paper.printable.height()};
    for (double v : values)
        if (!std::isfinite(v) || std::fabs(v) > 1e6) return false;
    return paper.size.width() > 0 && paper.size.height() > 0;
}

}  // namespace

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

void notice_on_stderr(const std::string& line) { std::fprintf(stderr, "dek2018: %s\n", line.c_str()); }

SystemPrinters::SystemPrinters(std::filesystem::path pdf_dir, PdfWriter write_pdf, ExtentOf extent_of,
                               IsPageClass is_page_class, CupsUse cups, Notice notice)
    : pdf_dir_(std::move(pdf_dir)),
      write_pdf_(std::move(write_pdf)),
      extent_of_(std::move(extent_of)),
      is_page_class_(std::move(is_page_class)),
      notice_(std::move(notice)) {
    CupsDestinations listed;
    if (cups == CupsUse::listed) listed = cups_destinations(kCupsListWait);
    names_ = std::move(listed.names);
    names_.emplace_back(kPdfPrinterName);
    index_ = listed.default_index >= 0 ? listed.default_index : pdf_printer_index();
    if (listed.timed_out && notice_)
        notice_("the print server did not answer within " + std::to_string(kCupsListWait.count() / 1000) +
                " s: no printer of it is offered; printing with \"" + std::string(kPdfPrinterName) + "\"");
}

void SystemPrinters::check_ready(int index) const {
    if (index < 0 || index >= pdf_printer_index()) return;
    const std::string& name = names_[static_cast<std::size_t>(index)];
    const std::string stopped = cups_queue_stopped(name.substr(0, name.find('/')));
    if (!stopped.empty()) throw PrintError("printer \"" + name + "\" is " + stopped + ": it takes no print run");
}

void SystemPrinters::set_index(int index) {
    if (index < 0 || index >= static_cast<int>(names_.size()))
        throw PrintError("no printer with index " + std::to_string(index));
    index_ = index;
}

void SystemPrinters::set_pdf_dir(std::filesystem::path dir) {
    pdf_dir_ = std::move(dir);
    runs_ = 0;
    folder_cleared_ = false;
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
    if (cups) {
        check_ready(page.printer_index);
        const std::string queue = name.substr(0, name.find('/'));
        const SheetFit fit = fit_for(name, page);
        const QueuePaper& paper = paper_of(queue);
        {
            QBuffer buffer(&pdf);
            buffer.open(QIODevice::WriteOnly);
            write_pdf_(page, buffer, fit, paper.a4 ? PrinterPaper{}.size : paper.paper->size);
        }
        cups_print_pdf(name, title, {pdf.constData(), static_cast<std::size_t>(pdf.size())}, paper.media);
        return;
    }
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        write_pdf_(page, buffer, SheetFit{}, PrinterPaper{}.size);
    }

    const std::filesystem::path file = pdf_dir_ / (title + ".pdf");
    const std::string printer = "printer \"" + std::string(kPdfPrinterName) + "\": ";
    std::error_code ec;
    std::filesystem::create_directories(pdf_dir_, ec);
    if (ec) throw PrintError(printer + "cannot start the print run: folder " + pdf_dir_.string() + ": " + ec.message());
    // The command's first sheet in this folder: the sheets an earlier print
    // left there go first, so that no old sheet lies among the new ones.
    if (!folder_cleared_) {
        int removed = 0;
        try {
            removed = remove_sheet_files(pdf_dir_, is_page_class_);
        } catch (const std::system_error& e) {
            throw PrintError(printer + "cannot start the print run: " + e.what());
        }
        folder_cleared_ = true;
        if (removed > 0 && notice_)
            notice_(printer + "removed " + std::to_string(removed) + (removed == 1 ? " sheet" : " sheets") +
                    " of an earlier print from " + pdf_dir_.string());
    }
    try {
        write_file_replacing(file, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    } catch (const OutputError& e) {
        throw PrintError(printer + (e.started() ? "cannot finish the print run: " : "cannot start the print run: ") +
                         e.what());
    }
}

bool is_sheet_file_name(std::string_view name, const IsPageClass& is_page_class) {
    std::size_t digits = 0;
    while (digits < name.size() && name[digits] >= '0' && name[digits] <= '9') ++digits;
    if (digits < 2 || digits > 3) return false;
    const int run = std::stoi(std::string(name.substr(0, digits)));
    if (!name.ends_with(".pdf") || name.size() < digits + 1 + 4 || name[digits] != '-') return false;
    const std::string_view page = name.substr(digits + 1, name.size() - digits - 1 - 4);
    // Only the name run_title gives: "07" but not "007", "100" but not "099".
    return run >= 1 && run_title(run, page) == name.substr(0, name.size() - 4) && is_page_class && is_page_class(page);
}

int remove_sheet_files(const std::filesystem::path& dir, const IsPageClass& is_page_class) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return 0;
        throw std::system_error(errno, std::generic_category(), "folder " + dir.string());
    }
    DIR* listing = ::fdopendir(fd);
    if (listing == nullptr) {
        const int code = errno;
        ::close(fd);
        throw std::system_error(code, std::generic_category(), "folder " + dir.string());
    }
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = ::readdir(listing)) {
        if (is_sheet_file_name(entry->d_name, is_page_class)) names.emplace_back(entry->d_name);
        errno = 0;
    }
    const int read_error = errno;
    int removed = 0;
    int failure = read_error;
    std::string failed = "folder " + dir.string();
    for (const std::string& name : names) {
        struct stat st {};
        if (::fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;  // gone meanwhile
        // Files and links only: a link goes, what it points to stays.
        if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) continue;
        if (::unlinkat(fd, name.c_str(), 0) == 0) {
            ++removed;
        } else if (errno != ENOENT && failure == 0) {
            failure = errno;
            failed = (dir / name).string();
        }
    }
    ::closedir(listing);
    if (failure != 0) throw std::system_error(failure, std::generic_category(), failed);
    return removed;
}

SystemPrinters::QueuePaper& SystemPrinters::paper_of(const std::string& queue) {
    auto known = papers_.find(queue);
    if (known != papers_.end()) return known->second;
    QueuePaper paper;
    if (std::optional<platform::QueuePaper> other = cups_paper_without_a4(queue))
        paper = QueuePaper{false, other->media, other->paper, stated_mm(other->paper)};
    return papers_.emplace(queue, std::move(paper)).first->second;
}

SheetFit SystemPrinters::fit_for(const std::string& name, const report::PageReport& page) {
    // An instance ("queue/instance") prints on its queue.
    const std::string queue = name.substr(0, name.find('/'));
    // The A4 printable area is read into it the first time.
    QueuePaper& queue_paper = paper_of(queue);
    // Without fitting, the sheet is drawn as designed on A4; on other paper
    // it is fitted to the whole paper all the same, so that none of it is cut.
    if (!fit_ && queue_paper.a4) return SheetFit{};
    if (!queue_paper.paper) queue_paper.paper = a4_printer_paper(queue, &queue_paper.stated);
    PrinterPaper paper = *queue_paper.paper;
    if (!fit_) paper.printable = QRectF(QPointF(0, 0), paper.size);
    if (!usable(paper))
        throw PrintError("printer \"" + name + "\": its printable area is not a usable size (the queue states " +
                         queue_paper.stated + ")");
    const std::optional<SheetFit> fit = fit_sheet(extent_of_(page), paper);
    char margins[96];
    std::snprintf(margins, sizeof margins, "%.1f, %.1f, %.1f, %.1f mm", paper.printable.left(), paper.printable.top(),
                  paper.size.width() - paper.printable.right(), paper.size.height() - paper.printable.bottom());
    const std::string paper_name = queue_paper.a4 ? "A4" : queue_paper.media;
    if (!fit)
        throw PrintError("printer \"" + name + "\": its printable area of " + paper_name + " (" + margins +
                         " unprintable at the left, top, right and bottom edges) cannot take the sheet at a readable "
                         "size");
    if ((!fit->identity() || !queue_paper.a4) && told_.insert(name).second && notice_) {
        char scale[32];
        std::snprintf(scale, sizeof scale, "%.1f %%", fit->scale * 100.0);
        if (queue_paper.a4) {
            notice_("printer \"" + name + "\" cannot print within " + margins +
                    " of the paper's left, top, right and bottom edges: sheets are scaled down to fit its printable "
                    "area (" +
                    page.class_name() + ": " + scale + ")");
        } else {
            notice_("printer \"" + name + "\" has no A4 paper: sheets are printed on its " + paper_name +
                    " paper, scaled to fit its printable area (" + page.class_name() + ": " + scale + ")");
        }
    }
    return *fit;
}

}  // namespace dek::platform
