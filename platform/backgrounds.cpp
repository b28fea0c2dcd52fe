#include "platform/backgrounds.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "pages/page_classes.h"

namespace dek::platform {

namespace {

// The forms whose whole PDF may serve their pages, with their page classes
// in the order of the form's pages.
struct FormPages {
    const char* file;
    std::vector<std::string_view> classes;
};
const std::vector<FormPages>& form_pages() {
    static const std::vector<FormPages> forms = {
        {"PIT-37(25).pdf", {"TF_w37181", "TF_w37182", "TF_w37183", "TF_w37184"}},
        {"PIT-36(26).pdf", {"TF_w36181", "TF_w36182", "TF_w36183", "TF_w36184", "TF_w36185", "TF_w36186", "TF_w36187"}},
        {"PIT-36L(15).pdf", {"TF_w36l18_1", "TF_w36l18_2", "TF_w36l18_3", "TF_w36l18_4"}},
        {"PIT-28(21).pdf", {"TF_w2818_1", "TF_w2818_2", "TF_w2818_3", "TF_w2818_4"}},
        {"PIT-28-A(18).pdf", {"TF_w28a18_1"}},
        {"PIT-28-B(15).pdf", {"TF_w28b18_1", "TF_w28b18_2"}},
        {"PIT-O(23).pdf", {"TF_wo18_1", "TF_wo18_2", "TF_wo18_3", "TF_wo18_4"}},
        {"PIT-D(27).pdf", {"TF_wd18_1", "TF_wd18_2"}},
        {"PIT-2K(8).pdf", {"TF_w2k18_1"}},
        {"PIT-B(16).pdf", {"TF_wb18_1", "TF_wb18_2"}},
        {"PIT-M(7).pdf", {"TF_wm18_1"}},
        {"PIT-Z(7).pdf", {"TF_wz18_1", "TF_wz18_2"}},
        {"PIT-ZG(6).pdf", {"TF_wzg18_1"}},
        {"PIT-BR(2).pdf", {"TF_wbr18_1", "TF_wbr18_2"}},
        {"PIT-DS(1).pdf", {"TF_wds18_1", "TF_wds18_2"}},
    };
    return forms;
}

constexpr std::array<const char*, 3> kScanSuffixes = {".png", ".jpg", ".jpeg"};

// A user's file is read whole up to this size.
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;

// Scans are taken up to 600 dpi over A4, with a few per cent to spare for
// a scanner's bed.
constexpr int kMaxScanWidth = 5110;   // 210 mm at 600 dpi: 4961
constexpr int kMaxScanHeight = 7230;  // 297 mm at 600 dpi: 7016

// The file's contents, opened without blocking (a FIFO or a device named as
// a background must not hang a print), a regular file only.
QByteArray read_regular_file(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw BackgroundError(std::string("it cannot be opened: ") + std::strerror(errno));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) throw BackgroundError(std::string("it cannot be read: ") + std::strerror(errno));
    if (!S_ISREG(st.st_mode)) throw BackgroundError("it is not a regular file");
    if (st.st_size > kMaxFileBytes)
        throw BackgroundError("it is larger than " + std::to_string(kMaxFileBytes / (1024 * 1024)) + " MB");
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(st.st_size));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw BackgroundError(std::string("it cannot be read: ") + std::strerror(errno));
        if (n == 0) break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

// Raises Qt's limit on the memory of one decoded image for as long as it
// lives: a 600-dpi scan is above the default.
class AllocationLimit {
public:
    explicit AllocationLimit(int mb) : old_(QImageReader::allocationLimit()) { QImageReader::setAllocationLimit(mb); }
    ~AllocationLimit() { QImageReader::setAllocationLimit(old_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    int old_;
};

QImage decode_scan(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid()) throw BackgroundError("it is not a readable image: " + reader.errorString().toStdString());
    if (size.width() > kMaxScanWidth || size.height() > kMaxScanHeight)
        throw BackgroundError("it is " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                              " dots, more than 600 dpi over A4 (" + std::to_string(kMaxScanWidth) + " x " +
                              std::to_string(kMaxScanHeight) + ")");
    // Room for 16 bits per channel at the largest size taken.
    const AllocationLimit limit(512);
    QImage image = reader.read();
    if (image.isNull()) throw BackgroundError("it is not a readable image: " + reader.errorString().toStdString());
    return image;
}

bool parse_number(std::string_view text, double& out) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && std::isfinite(out);
}

// One line of placement.txt: "TF_w37181 dx=-0.4 dy=0.7 scale=0.998".
// Returns why it does not parse, or empty.
std::string parse_placement(const std::string& line, std::string& page_class, Placement& out) {
    std::istringstream words(line);
    words >> page_class;
    if (pages::find_page_class(page_class) == nullptr) return "\"" + page_class + "\" is no page class";
    bool given[3] = {false, false, false};
    for (std::string part; words >> part;) {
        const auto eq = part.find('=');
        const std::string key = part.substr(0, eq);
        const int which = key == "dx" ? 0 : key == "dy" ? 1 : key == "scale" ? 2 : -1;
        double value = 0;
        if (eq == std::string::npos || which < 0) return "\"" + part + "\" is not dx=, dy= or scale=";
        if (given[which]) return key + " is given twice";
        if (!parse_number(std::string_view(part).substr(eq + 1), value)) return "\"" + part + "\" is not a number";
        given[which] = true;
        // A few millimetres and per cent align a print; more is a mistake.
        if (which < 2 && std::abs(value) > 20) return key + " is more than 20 mm";
        if (which == 2 && (value < 0.9 || value > 1.1)) return "scale is not between 0.9 and 1.1";
        (which == 0 ? out.dx_mm : which == 1 ? out.dy_mm : out.scale) = value;
    }
    return {};
}

}  // namespace

std::optional<FormFile> form_file_of(std::string_view page_class) {
    for (const FormPages& form : form_pages())
        for (std::size_t i = 0; i < form.classes.size(); ++i)
            if (form.classes[i] == page_class) return FormFile{QString::fromLatin1(form.file), static_cast<int>(i) + 1};
    return std::nullopt;
}

QString scans_folder() { return qEnvironmentVariable("DEK2018_SCANS"); }

// What serves a page class, decided the first time it is asked for.
struct BackgroundFolder::Choice {
    QString scan_file;  // a scan, decoded when drawn
    std::shared_ptr<const PdfBackgroundPage> pdf;
};

BackgroundFolder::BackgroundFolder(QString dir, BackgroundNotice notice)
    : dir_(std::move(dir)), notice_(std::move(notice)) {
    const QString file = QDir(dir_).filePath(QStringLiteral("placement.txt"));
    if (!QFileInfo::exists(file) && !QFileInfo(file).isSymLink()) return;
    QByteArray text;
    try {
        text = read_regular_file(file);
    } catch (const BackgroundError& e) {
        if (notice_) notice_(file.toStdString() + " is not used: " + e.what());
        return;
    }
    std::istringstream lines(text.toStdString());
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        std::string page_class;
        Placement placement;
        std::string why = parse_placement(line, page_class, placement);
        if (why.empty() && placements_.count(page_class) != 0) why = page_class + " has a line already";
        if (!why.empty()) {
            if (notice_)
                notice_(file.toStdString() + ", line " + std::to_string(number) + " is ignored: " + why + ": " +
                        (line.size() > 80 ? line.substr(0, 80) + "…" : line));
            continue;
        }
        placements_.emplace(page_class, placement);
    }
}

BackgroundFolder::~BackgroundFolder() = default;

void BackgroundFolder::not_used(const QString& file, const std::string& why) {
    if (notice_) notice_("the background " + file.toStdString() + " is not used: " + why);
}

const std::vector<std::shared_ptr<const PdfBackgroundPage>>* BackgroundFolder::pdf_pages(const QString& file) {
    auto it = pdfs_.find(file);
    if (it == pdfs_.end()) {
        std::optional<std::vector<std::shared_ptr<const PdfBackgroundPage>>> pages;
        try {
            pages = read_pdf_background(read_regular_file(file), QFileInfo(file).fileName());
        } catch (const BackgroundError& e) {
            not_used(file, e.what());
        }
        it = pdfs_.emplace(file, std::move(pages)).first;
    }
    return it->second ? &*it->second : nullptr;
}

QImage BackgroundFolder::scan(const QString& file) {
    if (file != last_scan_file_) {
        last_scan_ = {};
        last_scan_file_.clear();
        try {
            last_scan_ = decode_scan(read_regular_file(file));
            last_scan_file_ = file;
        } catch (const BackgroundError& e) {
            not_used(file, e.what());
        }
    }
    return last_scan_;
}

const BackgroundFolder::Choice& BackgroundFolder::choice_of(std::string_view page_class) {
    auto it = choices_.find(page_class);
    if (it != choices_.end()) return *it->second;
    auto choice = std::make_unique<Choice>();
    const QDir dir(dir_);
    const QString stem = QString::fromUtf8(page_class.data(), static_cast<qsizetype>(page_class.size()));
    // A name that exists as anything (a link, a FIFO) is tried, so that what
    // cannot be used is named.
    const auto present = [](const QString& f) { return QFileInfo::exists(f) || QFileInfo(f).isSymLink(); };
    bool chosen = false;
    const QString own_pdf = dir.filePath(stem + QStringLiteral(".pdf"));
    if (present(own_pdf)) {
        if (const auto* pages = pdf_pages(own_pdf)) {
            choice->pdf = pages->front();
            chosen = true;
        }
    }
    for (const char* suffix : kScanSuffixes) {
        const QString file = dir.filePath(stem + QLatin1String(suffix));
        if (chosen || !present(file)) continue;
        if (!scan(file).isNull()) {
            choice->scan_file = file;
            chosen = true;
        }
    }
    const std::optional<FormFile> form = form_file_of(page_class);
    if (!chosen && form && present(dir.filePath(form->name))) {
        const QString file = dir.filePath(form->name);
        if (const auto* pages = pdf_pages(file)) {
            if (form->page <= static_cast<int>(pages->size()))
                choice->pdf = (*pages)[static_cast<std::size_t>(form->page - 1)];
            else
                not_used(file, "it has " + std::to_string(pages->size()) +
                                   (pages->size() == 1 ? " page, " : " pages, ") + std::string(page_class) +
                                   " is page " + std::to_string(form->page));
        }
    }
    return *choices_.emplace(std::string(page_class), std::move(choice)).first->second;
}

UserBackground BackgroundFolder::of(std::string_view page_class) {
    const Choice& choice = choice_of(page_class);
    UserBackground out;
    out.pdf = choice.pdf;
    if (!choice.scan_file.isEmpty()) out.scan = scan(choice.scan_file);
    if (!out.drawn()) out.placement = placement_of(page_class);
    return out;
}

bool BackgroundFolder::has_scans() const {
    const QDir dir(dir_);
    for (const report::PageClass& cls : pages::page_classes())
        for (const char* suffix : kScanSuffixes) {
            const QString file = dir.filePath(
                QString::fromUtf8(cls.name.data(), static_cast<qsizetype>(cls.name.size())) + QLatin1String(suffix));
            if (QFileInfo::exists(file)) return true;
        }
    return false;
}

Placement BackgroundFolder::placement_of(std::string_view page_class) const {
    const auto it = placements_.find(page_class);
    return it == placements_.end() ? Placement{} : it->second;
}

}  // namespace dek::platform
