#include "platform/pdf_background.h"

#include <poppler-qt6.h>

#include <QColor>
#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <map>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <set>
#include <sstream>
#include <utility>

namespace dek::platform {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kPageHeightPt = 842.0;  // the sheets' A4 page

// A PDF matrix: x' = a x + c y + e, y' = b x + d y + f.
using Matrix = std::array<double, 6>;

Matrix times(const Matrix& outer, const Matrix& inner) {
    const auto& [a, b, c, d, e, f] = outer;
    const auto& [p, q, r, s, t, u] = inner;
    return {a * p + c * q, b * p + d * q, a * r + c * s, b * r + d * s, a * t + c * u + e, b * t + d * u + f};
}

std::string operands(const Matrix& m) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(6);
    out << std::fixed;
    for (double v : m) out << (std::abs(v) < 5e-7 ? 0.0 : v) << ' ';
    return out.str();
}

// What an archive copy (PDF/A-1b, sRGB output intent) cannot take of a page:
// the first thing met, or empty. Walks the content and every resource it
// can reach once each.
class ArchiveCheck : public QPDFObjectHandle::ParserCallbacks {
public:
    std::string page(QPDFPageObjectHelper page, QPDFObjectHandle form) {
        QPDFObjectHandle group = page.getObjectHandle().getKey("/Group");
        if (group.isDictionary() && group.getKey("/S").isNameAndEquals("/Transparency")) return "transparency";
        content_of(form);
        return found_;
    }

    void handleObject(QPDFObjectHandle obj) override {
        if (!found_.empty()) return;
        if (obj.isOperator()) {
            const std::string op = obj.getOperatorValue();
            if (op == "k" || op == "K") found_ = "CMYK colour";
        } else if (obj.isName()) {
            const std::string name = obj.getName();
            // Device spaces named in the content, also an inline image's.
            if (name == "/DeviceCMYK" || name == "/CMYK") found_ = "CMYK colour";
        }
    }
    void handleEOF() override {}

private:
    bool first_visit(QPDFObjectHandle obj) { return !obj.isIndirect() || seen_.insert(obj.getObjGen()).second; }
    void note(std::string what) {
        if (found_.empty()) found_ = std::move(what);
    }

    // A content stream with its resources: a form, a tiling pattern, a
    // Type 3 glyph procedure's font.
    void content_of(QPDFObjectHandle stream) {
        if (!found_.empty() || !stream.isStream() || !first_visit(stream)) return;
        QPDFObjectHandle dict = stream.getDict();
        QPDFObjectHandle group = dict.getKey("/Group");
        if (group.isDictionary() && group.getKey("/S").isNameAndEquals("/Transparency")) return note("transparency");
        QPDFObjectHandle::parseContentStream(stream, this);
        resources(dict.getKey("/Resources"));
    }

    void resources(QPDFObjectHandle res) {
        if (!res.isDictionary() || !first_visit(res)) return;
        for_each(res.getKey("/Font"), [this](QPDFObjectHandle f) { font(f); });
        for_each(res.getKey("/XObject"), [this](QPDFObjectHandle x) { xobject(x); });
        for_each(res.getKey("/ExtGState"), [this](QPDFObjectHandle g) { graphics_state(g); });
        for_each(res.getKey("/ColorSpace"), [this](QPDFObjectHandle c) { colour_space(c); });
        for_each(res.getKey("/Pattern"), [this](QPDFObjectHandle p) { pattern(p); });
        for_each(res.getKey("/Shading"), [this](QPDFObjectHandle s) { shading(s); });
    }

    template <class F>
    void for_each(QPDFObjectHandle dict, F&& f) {
        if (!dict.isDictionary()) return;
        for (const auto& [key, value] : dict.ditems())
            if (found_.empty()) f(value);
    }

    void font(QPDFObjectHandle f) {
        if (!f.isDictionary() || !first_visit(f)) return;
        QPDFObjectHandle subtype = f.getKey("/Subtype");
        if (subtype.isNameAndEquals("/Type3")) return resources(f.getKey("/Resources"));
        if (subtype.isNameAndEquals("/Type0")) {
            QPDFObjectHandle descendants = f.getKey("/DescendantFonts");
            if (descendants.isArray() && descendants.getArrayNItems() > 0) return font(descendants.getArrayItem(0));
            return note("a composite font without its glyphs");
        }
        QPDFObjectHandle descriptor = f.getKey("/FontDescriptor");
        if (!descriptor.isDictionary() ||
            !(descriptor.hasKey("/FontFile") || descriptor.hasKey("/FontFile2") || descriptor.hasKey("/FontFile3"))) {
            QPDFObjectHandle base = f.getKey("/BaseFont");
            note("the font " + (base.isName() ? base.getName().substr(1) : std::string("without a name")) +
                 " is not embedded");
        }
    }

    void xobject(QPDFObjectHandle x) {
        if (!x.isStream()) return;
        QPDFObjectHandle subtype = x.getDict().getKey("/Subtype");
        if (subtype.isNameAndEquals("/Form")) return content_of(x);
        if (subtype.isNameAndEquals("/PS")) return note("PostScript");
        if (!subtype.isNameAndEquals("/Image") || !first_visit(x)) return;
        QPDFObjectHandle dict = x.getDict();
        if (dict.hasKey("/SMask")) return note("transparency");
        QPDFObjectHandle filter = dict.getKey("/Filter");
        const auto is_jpx = [](QPDFObjectHandle f) { return f.isNameAndEquals("/JPXDecode"); };
        if (is_jpx(filter) || (filter.isArray() && std::ranges::any_of(filter.getArrayAsVector(), is_jpx)))
            return note("a JPEG 2000 image");
        colour_space(dict.getKey("/ColorSpace"));
    }

    void graphics_state(QPDFObjectHandle g) {
        if (!g.isDictionary() || !first_visit(g)) return;
        QPDFObjectHandle mask = g.getKey("/SMask");
        QPDFObjectHandle blend = g.getKey("/BM");
        const auto partial = [&](const char* key) {
            QPDFObjectHandle v = g.getKey(key);
            return v.isNumber() && v.getNumericValue() < 1.0;
        };
        if ((!mask.isNull() && !mask.isNameAndEquals("/None")) || partial("/CA") || partial("/ca") ||
            (blend.isName() && !blend.isNameAndEquals("/Normal") && !blend.isNameAndEquals("/Compatible")))
            note("transparency");
    }

    void colour_space(QPDFObjectHandle cs) {
        if (cs.isName()) {
            if (cs.isNameAndEquals("/DeviceCMYK")) note("CMYK colour");
            return;
        }
        if (!cs.isArray() || cs.getArrayNItems() == 0 || !first_visit(cs)) return;
        QPDFObjectHandle family = cs.getArrayItem(0);
        if (family.isNameAndEquals("/Separation") || family.isNameAndEquals("/DeviceN"))
            return note("separation colour");
        if (family.isNameAndEquals("/ICCBased")) {
            QPDFObjectHandle profile = cs.getArrayItem(1);
            if (profile.isStream() && profile.getDict().getKey("/N").isInteger() &&
                profile.getDict().getKey("/N").getIntValue() == 4)
                note("CMYK colour");
            return;
        }
        if (family.isNameAndEquals("/Indexed") || family.isNameAndEquals("/Pattern")) {
            if (cs.getArrayNItems() > 1) colour_space(cs.getArrayItem(1));
        }
    }

    void pattern(QPDFObjectHandle p) {
        if (p.isStream()) return content_of(p);  // a tiling pattern draws content
        if (p.isDictionary() && first_visit(p)) {
            shading(p.getKey("/Shading"));
            graphics_state(p.getKey("/ExtGState"));
        }
    }

    void shading(QPDFObjectHandle s) {
        QPDFObjectHandle dict = s.isStream() ? s.getDict() : s;
        if (dict.isDictionary()) colour_space(dict.getKey("/ColorSpace"));
    }

    std::set<QPDFObjGen> seen_;
    std::string found_;
};

QPDFObjectHandle::Rectangle normalized(QPDFObjectHandle::Rectangle r) {
    return {std::min(r.llx, r.urx), std::min(r.lly, r.ury), std::max(r.llx, r.urx), std::max(r.lly, r.ury)};
}

}  // namespace

// The file read once: its bytes, the document that embeds its pages and the
// one that draws them as images.
struct PdfBackgroundPage::Source {
    QByteArray bytes;
    QPDF qpdf;
    std::unique_ptr<Poppler::Document> poppler;
    // Per page: the form XObject of its content (bounded by its crop box)
    // and the matrix that puts it upright with the crop box's top-left corner
    // at the origin, in points, y upwards.
    std::vector<QPDFObjectHandle> forms;
    std::vector<Matrix> to_top_left;
};

PdfBackgroundPage::PdfBackgroundPage(std::shared_ptr<Source> source, int index, QString name, QSizeF size_mm,
                                     std::string pdfa_obstacle)
    : source_(std::move(source)),
      index_(index),
      name_(std::move(name)),
      size_mm_(size_mm),
      pdfa_obstacle_(std::move(pdfa_obstacle)) {}

PdfBackgroundPage::~PdfBackgroundPage() = default;

namespace {

// One page prepared: its form XObject, where it stands, what an archive copy
// cannot take of it. Returns the crop box's size in points, upright.
QSizeF prepare_page(PdfBackgroundPage::Source& src, QPDFPageObjectHelper page, std::string& obstacle) {
    const QPDFObjectHandle::Rectangle crop = normalized(page.getCropBox(false, false).getArrayAsRectangle());
    if (crop.urx - crop.llx < 1 || crop.ury - crop.lly < 1) throw BackgroundError("a page has no size");
    QPDFObjectHandle form = page.getFormXObjectForPage(true);
    // Bounded by the crop box, not the trim box, as the page shows.
    form.replaceKey("/BBox", QPDFObjectHandle::newArray(crop));
    // Reads the content through, so that a stream that cannot be decoded
    // is found now, not in the middle of a print.
    form.getStreamData(qpdf_dl_generalized);
    Matrix m{1, 0, 0, 1, 0, 0};
    QPDFObjectHandle matrix = form.getDict().getKey("/Matrix");
    if (matrix.isMatrix()) {
        const QPDFObjectHandle::Matrix pm = matrix.getArrayAsMatrix();
        m = {pm.a, pm.b, pm.c, pm.d, pm.e, pm.f};
    }
    // The crop box through the form's matrix: its upright bounds.
    double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
    for (const auto& [x, y] :
         {std::pair{crop.llx, crop.lly}, {crop.llx, crop.ury}, {crop.urx, crop.lly}, std::pair{crop.urx, crop.ury}}) {
        const double px = m[0] * x + m[2] * y + m[4];
        const double py = m[1] * x + m[3] * y + m[5];
        left = std::min(left, px);
        right = std::max(right, px);
        bottom = std::min(bottom, py);
        top = std::max(top, py);
    }
    src.forms.push_back(form);
    src.to_top_left.push_back(times({1, 0, 0, 1, -left, -top}, m));
    obstacle = ArchiveCheck().page(page, form);
    return {right - left, top - bottom};
}

}  // namespace

std::vector<std::shared_ptr<const PdfBackgroundPage>> read_pdf_background(const QByteArray& bytes,
                                                                          const QString& name) {
    auto src = std::make_shared<PdfBackgroundPage::Source>();
    src->bytes = bytes;
    std::vector<std::shared_ptr<const PdfBackgroundPage>> out;
    std::vector<QSizeF> sizes;
    std::vector<std::string> obstacles;
    try {
        src->qpdf.setSuppressWarnings(true);
        const std::string description = name.toStdString();
        src->qpdf.processMemoryFile(description.c_str(), src->bytes.constData(),
                                    static_cast<std::size_t>(src->bytes.size()));
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(src->qpdf).getAllPages();
        if (pages.empty()) throw BackgroundError("it has no page");
        for (const QPDFPageObjectHelper& page : pages) {
            std::string obstacle;
            sizes.push_back(prepare_page(*src, page, obstacle));
            obstacles.push_back(std::move(obstacle));
        }
    } catch (const BackgroundError&) {
        throw;
    } catch (const QPDFExc& e) {
        if (e.getErrorCode() == qpdf_e_password)
            throw BackgroundError("it is encrypted and its content cannot be read");
        throw BackgroundError("it is not a readable PDF (" + std::string(e.getMessageDetail()) + ")");
    } catch (const std::exception& e) {
        throw BackgroundError("it is not a readable PDF (" + std::string(e.what()) + ")");
    }
    src->poppler = Poppler::Document::loadFromData(src->bytes);
    if (!src->poppler || src->poppler->isLocked())
        throw BackgroundError("it cannot be drawn as an image (encrypted or damaged)");
    if (src->poppler->numPages() != static_cast<int>(sizes.size()))
        throw BackgroundError("its pages cannot all be read");
    src->poppler->setRenderHint(Poppler::Document::Antialiasing, true);
    src->poppler->setRenderHint(Poppler::Document::TextAntialiasing, true);
    // Interactive fields are not part of the form as it prints here.
    src->poppler->setRenderHint(Poppler::Document::HideAnnotations, true);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const QString page_name =
            sizes.size() == 1 ? name : QStringLiteral("%1, page %2").arg(name).arg(static_cast<int>(i) + 1);
        out.push_back(std::make_shared<PdfBackgroundPage>(src, static_cast<int>(i), page_name, sizes[i] * kMmPerPoint,
                                                          std::move(obstacles[i])));
    }
    return out;
}

QImage PdfBackgroundPage::image(double dpi) const {
    const std::unique_ptr<Poppler::Page> page = source_->poppler->page(index_);
    return page ? page->renderToImage(dpi, dpi) : QImage();
}

QRectF PdfBackgroundPage::ink_mm() const {
    if (ink_known_) return ink_;
    ink_known_ = true;
    constexpr double kDpi = 50;
    QImage img;
    if (std::unique_ptr<Poppler::Page> page = source_->poppler->page(index_)) img = page->renderToImage(kDpi, kDpi);
    int left = img.width(), right = -1, top = img.height(), bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x];
            if (qAlpha(c) < 8 || std::min({qRed(c), qGreen(c), qBlue(c)}) > 250) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return ink_ = {};
    // A dot of the image on each side, for what a dot hides.
    const double mm = 25.4 / kDpi;
    ink_ = QRectF((left - 1) * mm, (top - 1) * mm, (right - left + 3) * mm, (bottom - top + 3) * mm)
               .intersected(QRectF(QPointF(0, 0), size_mm_));
    return ink_;
}

void PdfUnderlay::add(int page, std::shared_ptr<const PdfBackgroundPage> background, Placement placement) {
    entries_.push_back({page, std::move(background), placement});
}

QByteArray PdfUnderlay::apply(const QByteArray& pdf) const {
    if (entries_.empty()) return pdf;
    try {
        QPDF doc;
        doc.setSuppressWarnings(true);
        doc.processMemoryFile("sheets", pdf.constData(), static_cast<std::size_t>(pdf.size()));
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(doc).getAllPages();
        // Copied into the document once each, however many pages show it.
        std::map<const PdfBackgroundPage*, QPDFObjectHandle> embedded;
        for (const Entry& e : entries_) {
            if (e.page < 0 || e.page >= static_cast<int>(pages.size()))
                throw BackgroundError("a background for page " + std::to_string(e.page + 1) + " of " +
                                      std::to_string(pages.size()));
            const PdfBackgroundPage::Source& src = e.background->source();
            auto [it, fresh] = embedded.try_emplace(e.background.get());
            if (fresh) it->second = doc.copyForeignObject(src.forms[e.background->index()]);
            QPDFPageObjectHelper page = pages[e.page];
            QPDFObjectHandle resources = page.getAttribute("/Resources", true);
            if (!resources.isDictionary()) {
                resources = QPDFObjectHandle::newDictionary();
                page.getObjectHandle().replaceKey("/Resources", resources);
            }
            if (!resources.getKey("/XObject").isDictionary())
                resources.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
            int suffix = 0;
            const std::string name = resources.getUniqueResourceName("/Bg", suffix);
            resources.getKey("/XObject").replaceKey(name, it->second);
            // The crop box's top-left corner on the paper's, then the placement.
            const double s = e.placement.scale;
            const double to_pt = 72.0 / 25.4;
            const Matrix place{s, 0, 0, s, e.placement.dx_mm * to_pt, kPageHeightPt - e.placement.dy_mm * to_pt};
            const Matrix m = times(place, src.to_top_left[e.background->index()]);
            page.addPageContents(QPDFObjectHandle::newStream(&doc, "q " + operands(m) + "cm " + name + " Do Q\n"),
                                 true);
        }
        QPDFWriter writer(doc);
        writer.setOutputMemory();
        writer.write();
        std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()),
                          static_cast<qsizetype>(buffer->getSize()));
    } catch (const BackgroundError&) {
        throw;
    } catch (const std::exception& e) {
        throw BackgroundError(std::string("the backgrounds cannot be added: ") + e.what());
    }
}

}  // namespace dek::platform
