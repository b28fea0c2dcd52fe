#include "platform/render.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

#include "pages/page_classes.h"
#include "platform/backgrounds.h"
#include "platform/fonts.h"
#include "platform/form_painter.h"
#include "report/format.h"

namespace dek::platform {

namespace {

using report::Align;
using report::Element;
using report::ElementKind;

constexpr double kA4WidthMm = 210.0;
constexpr double kA4HeightMm = 297.0;

QRectF qrect(const report::Rect& r) { return QRectF(r.left, r.top, r.width, r.height); }

QString element_text(const Element& e) {
    if (e.kind == ElementKind::Memo) {
        QStringList lines;
        for (const auto& l : e.lines) lines << QString::fromStdString(l);
        return lines.join(QLatin1Char('\n'));
    }
    return QString::fromStdString(e.caption);
}

// Elements whose lines break at blanks within their own rectangle as designed.
bool wraps(const Element& e) { return e.word_wrap || e.kind == ElementKind::Memo; }

// A value the formatting routines made (report::is_formatted_value) keeps to
// one line whatever its element: it only shrinks.
bool one_unit(const QString& text) { return report::is_formatted_value(text.toStdString()); }

bool auto_width(const Element& e) { return e.kind == ElementKind::Label && e.auto_size; }

constexpr double kEps = 0.01;
constexpr double kNoLimit = 1e7;

struct Line {
    QString text;
    double width = 0;
};

enum class Breaks {
    None,      // one line per paragraph
    Blanks,    // at line-break opportunities: blanks, after hyphens
    Anywhere,  // also inside a word wider than the line
};

// The lines of `text` in font `f`: one paragraph per '\n', each broken to
// `width` as `breaks` allows. Trailing blanks do not count. A line may still
// be wider than `width` (a word that may not break).
std::vector<Line> break_lines(const FontCache::Entry& font, const QString& text, double width, Breaks breaks) {
    std::vector<Line> out;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty() || breaks == Breaks::None) {
            out.push_back({paragraph, advance_of(font, paragraph)});
            continue;
        }
        QTextLayout layout(paragraph, font.font);
        QTextOption option;
        option.setWrapMode(breaks == Breaks::Anywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                                      : QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (part.endsWith(QLatin1Char(' '))) part.chop(1);
            const double w = advance_of(font, part);
            out.push_back({std::move(part), w});
        }
        layout.endLayout();
    }
    return out;
}

// Height of `n` lines: line spacing between them, ascent to descent of the last.
double block_height(const QFontMetricsF& fm, std::size_t n) {
    return n == 0 ? 0.0 : static_cast<double>(n - 1) * fm.lineSpacing() + fm.height();
}

// The room of an element: the part of its form field around it that the form
// leaves free. Upwards it ends at the field's frame or below the form's words
// that lie above the element's top (the field's number and title among them),
// downwards at the frame or above the words below its bottom, sideways at the
// frame or at words the form prints beside it. A word the element's own
// rectangle crosses as designed (beside it, not above or below) does not
// count. Without a field, the element's own rectangle.
QRectF room_of(const Element& e, const LaidOutForm* form, const QRectF* field) {
    const QRectF r = qrect(e.rect);
    if (field == nullptr) return r;
    double left = field->left();
    double right = field->right();
    double top = field->top() + 1;
    double bottom = field->bottom() - 1;
    const std::vector<QRectF>& printed = form->printed_areas_in(*field);
    // Where the element's text lies as designed, sideways: its rectangle, and
    // for a label sized to its text the anchor it grows from.
    double anchor = r.center().x();
    if (auto_width(e) && e.alignment == Align::Left) anchor = r.left();
    if (auto_width(e) && e.alignment == Align::Right) anchor = r.right();
    for (const QRectF& p : printed) {
        const bool beside = p.center().y() > r.top() && p.center().y() < r.bottom();
        const bool crossed =
            (p.right() > r.left() && p.left() < r.right()) || (p.left() < anchor && p.right() > anchor);
        if (!beside || crossed) continue;
        if (p.right() <= anchor)
            left = std::max(left, p.right() + 1);
        else
            right = std::min(right, p.left() - 1);
    }
    for (const QRectF& p : printed) {
        if (p.right() <= left || p.left() >= right) continue;
        if (p.center().y() <= r.top() && p.bottom() < r.bottom()) top = std::max(top, p.bottom() + 1);
        if (p.center().y() >= r.bottom() && p.top() > r.top()) bottom = std::min(bottom, p.top() - 1);
    }
    return QRectF(QPointF(left, top), QPointF(right, std::max(bottom, top)));
}

// Where the lines of an element may run sideways: `left`..`right`, aligned
// within that span as the element says.
struct Span {
    double left = 0;
    double right = 0;
    double width() const { return right - left; }
};

// The element's own span: its rectangle, or for a label sized to its text
// the way from its anchor to the room's side (both sides when centred).
Span own_span(const Element& e, const QRectF& room, bool in_field) {
    const QRectF r = qrect(e.rect);
    if (!auto_width(e)) return {r.left(), r.right()};
    if (!in_field) return {r.center().x() - kNoLimit, r.center().x() + kNoLimit};
    switch (e.alignment) {
        case Align::Left:
            return {r.left(), room.right()};
        case Align::Right:
            return {room.left(), r.right()};
        case Align::Center:
            break;
    }
    const double half = std::min(r.center().x() - room.left(), room.right() - r.center().x());
    return {r.center().x() - half, r.center().x() + half};
}

// The span a text takes when it does not fit its own: from its anchor to the
// room's far side, or the whole room when centred.
Span wide_span(const Element& e, const QRectF& room) {
    const QRectF r = qrect(e.rect);
    switch (e.alignment) {
        case Align::Left:
            return {std::max(room.left(), r.left()), room.right()};
        case Align::Right:
            return {room.left(), std::min(room.right(), r.right())};
        case Align::Center:
            break;
    }
    return {room.left(), room.right()};
}

// Lines that fit `width` and, when more than one, `height`.
bool try_size(FontCache& fonts, const Element& e, const QString& text, int px, double width, double height,
              Breaks breaks, std::vector<Line>& lines) {
    const FontCache::Entry& font = fonts.page(e.font, px);
    lines = break_lines(font, text, width, breaks);
    for (const Line& l : lines)
        if (l.width > width + kEps) return false;
    // A single line keeps its rectangle's height whatever its font's.
    return lines.size() <= 1 || block_height(font.metrics, lines.size()) <= height + kEps;
}

// The mark of a square: one line, its ink centred on the square.
ElementPlacement place_mark(FontCache& fonts, const Element& e, const QRectF& square, ElementPlacement out) {
    if (out.text.isEmpty()) {
        out.rect = qrect(e.rect);
        return out;
    }
    const QFontMetricsF& fm = fonts.page(e.font, out.font_px).metrics;
    const QRectF ink = fm.tightBoundingRect(out.text);  // relative to the baseline origin
    const QPointF origin(square.center().x() - ink.center().x(), square.center().y() - ink.center().y());
    out.rect = ink.translated(origin);
    out.lines.push_back({out.text, QPointF(origin.x(), origin.y() - fm.ascent()), fm.horizontalAdvance(out.text)});
    return out;
}

}  // namespace

// What a renderer keeps from sheet to sheet.
class PageRenderer::Caches {
public:
    FontCache fonts;

    // The form laid out, the first time it is asked for.
    const LaidOutForm& laid_out(const report::FormDescription& form) {
        auto it = forms_.find(&form);
        if (it == forms_.end()) it = forms_.emplace(&form, std::make_unique<LaidOutForm>(form, fonts)).first;
        return *it->second;
    }

    ElementPlacement place(const Element& e, const report::FormDescription* form);
    std::vector<QRectF> struck_words(const report::PageReport& page, const report::FormDescription* form);
    void paint_element(QPainter& p, const Element& e, const report::FormDescription* form, bool outline);
    void draw_element(PdfPage& page, const Element& e, const report::FormDescription* form);

    PdfFaces pdf_faces;

    // The user's background of the page, from DEK2018_SCANS as it is when
    // first asked for.
    UserBackground background(const report::PageReport& page) {
        BackgroundFolder* f = folder();
        return f ? f->of(page.class_name()) : UserBackground{};
    }
    bool has_scans() {
        BackgroundFolder* f = folder();
        return f && f->has_scans();
    }

    // What a document of this renderer carries besides its pages: the PDF
    // backgrounds to put under them, and whether it is an archive copy.
    struct DocumentExtras {
        bool pdfa = false;
        PdfUnderlay underlay;
        std::set<QString> replaced;  // backgrounds an archive copy could not take, told once
    };
    std::map<const PdfDocument*, DocumentExtras> documents;

    BackgroundNotice notice = [](const std::string& line) { std::fprintf(stderr, "dek2018: %s\n", line.c_str()); };

    void paint_background(QPainter& p, const UserBackground& background, const report::PageReport& page);

private:
    struct PdfImage {
        const PdfBackgroundPage* page = nullptr;
        double dpi = 0;
        QImage image;
    };
    PdfImage pdf_image_;
    BackgroundFolder* folder() {
        if (!folder_read_) {
            folder_read_ = true;
            const QString dir = scans_folder();
            if (!dir.isEmpty()) folder_ = std::make_unique<BackgroundFolder>(dir, notice);
        }
        return folder_.get();
    }
    bool folder_read_ = false;
    std::unique_ptr<BackgroundFolder> folder_;

    // Form descriptions are parsed once and never change: their address names them.
    std::map<const report::FormDescription*, std::unique_ptr<LaidOutForm>> forms_;
};

ElementPlacement PageRenderer::Caches::place(const Element& e, const report::FormDescription* form) {
    ElementPlacement out;
    out.text = element_text(e);
    out.font_px = e.font_px > 0 ? e.font_px : class_pixel_size(e.font);
    report::Rect area;
    const bool in_field = form != nullptr && !e.field.empty() && form->area(e.field, area);
    if (in_field && form->is_square(e.field)) return place_mark(fonts, e, qrect(area), std::move(out));
    const QRectF r = qrect(e.rect);
    if (out.text.isEmpty()) {
        out.rect = auto_width(e) ? QRectF(r.left(), r.top(), 0, 0) : r;
        return out;
    }
    // The box of the element's form field, which a value must never leave.
    const QRectF field_box = in_field ? qrect(area).adjusted(1, 0, -1, 0) : QRectF();
    const QRectF room = room_of(e, in_field ? &laid_out(*form) : nullptr, in_field ? &field_box : nullptr);

    // Lines start at the element's top, or just below a word of the form
    // that reaches into its rectangle from above. As designed: the element's
    // own span at its own size, its lines broken at blanks when it wraps.
    const double first = std::max(r.top(), room.top());
    Span span = own_span(e, room, in_field);
    std::vector<Line> lines;
    bool widened = false;
    const bool unit = one_unit(out.text);
    if (!try_size(fonts, e, out.text, out.font_px, span.width(), room.bottom() - first,
                  wraps(e) && !unit ? Breaks::Blanks : Breaks::None, lines)) {
        // Otherwise the room: lines broken at blanks, the size going down
        // until they fit; inside words only when that alone keeps the text
        // readable. A formatted value only shrinks, on its one line.
        widened = true;
        span = wide_span(e, room);
        const Breaks breaks = unit ? Breaks::None : Breaks::Blanks;
        int chosen = 0;
        for (int px = out.font_px; px >= kSmallestPx && chosen == 0; --px)
            if (try_size(fonts, e, out.text, px, span.width(), room.height(), breaks, lines)) chosen = px;
        if (chosen < kReadablePx && !unit) {
            std::vector<Line> broken;
            for (int px = out.font_px; px > std::max(chosen, kSmallestPx - 1); --px) {
                if (try_size(fonts, e, out.text, px, span.width(), room.height(), Breaks::Anywhere, broken)) {
                    chosen = px;
                    lines = std::move(broken);
                    break;
                }
            }
        }
        if (chosen == 0) {
            out.fits = false;
            chosen = std::min(out.font_px, kSmallestPx);
            try_size(fonts, e, out.text, chosen, span.width(), room.height(), unit ? Breaks::None : Breaks::Anywhere,
                     lines);
        }
        out.font_px = chosen;
    }

    const QFontMetricsF& fm = fonts.page(e.font, out.font_px).metrics;
    const double height = block_height(fm, lines.size());
    // Higher in the room when the lines need its height.
    double top = first;
    if (lines.size() > 1 && top + height > room.bottom()) top = std::max(room.top(), room.bottom() - height);
    double y = top;
    QRectF block;
    for (Line& l : lines) {
        double x = span.left;
        if (e.alignment == Align::Right) x = span.right - l.width;
        if (e.alignment == Align::Center) x = (span.left + span.right - l.width) / 2;
        block = block.united(QRectF(x, y, l.width, fm.height()));
        out.lines.push_back({std::move(l.text), QPointF(x, y), l.width});
        y += fm.lineSpacing();
    }
    if (auto_width(e)) {
        // As tall as its lines: an opaque cover blanks its words, not the box below.
        out.rect =
            out.lines.size() > 1 ? block : QRectF(block.left(), top, block.width(), std::min(r.height(), fm.height()));
    } else {
        out.rect = widened || out.lines.size() > 1 ? r.united(block) : r;
        // An opaque element never blanks a word of the form above it.
        out.rect.setTop(std::max(out.rect.top(), top));
    }
    // Never beyond the field's sides.
    if (in_field && (out.rect.left() < field_box.left() - kEps || out.rect.right() > field_box.right() + kEps))
        out.fits = false;
    return out;
}

// Where the page's enabled strike-out covers repeat a word of the form: each
// is opaque and prints the word struck through over the form's own, so the
// drawn form leaves its copy out (a user's scan or PDF page stays whole).
std::vector<QRectF> PageRenderer::Caches::struck_words(const report::PageReport& page,
                                                       const report::FormDescription* form) {
    std::vector<QRectF> out;
    for (const Element& e : page.DB_dane.elements) {
        if (!e.enabled || !e.opaque || e.caption.empty()) continue;
        if (e.font != report::FontClass::SmallStrike && e.font != report::FontClass::LargeStrike) continue;
        out.push_back(place(e, form).rect);
    }
    return out;
}

namespace {

// A rectangle in band pixels, in millimetres from the paper's top-left corner.
QRectF band_to_paper_mm(const report::PageReport& page, const QRectF& r) {
    const auto& s = page.settings;
    return QRectF(s.margin_left_mm + r.left() * report::kMmPerPixel, s.margin_top_mm + r.top() * report::kMmPerPixel,
                  r.width() * report::kMmPerPixel, r.height() * report::kMmPerPixel);
}

const report::FormDescription* form_of_page(const report::PageReport& page) {
    return page.layout().form.empty() ? nullptr : &pages::form_of(page.layout().form);
}

}  // namespace

void PageRenderer::Caches::paint_element(QPainter& p, const Element& e, const report::FormDescription* form,
                                         bool outline) {
    const ElementPlacement pl = place(e, form);
    if (e.enabled) {
        if (e.opaque) p.fillRect(pl.rect, Qt::white);
        if (!pl.lines.empty()) {
            const FontCache::Entry& font = fonts.page(e.font, pl.font_px);
            const double ascent = font.metrics.ascent();
            p.setFont(font.font);
            p.setPen(Qt::black);
            for (const PlacedLine& l : pl.lines) p.drawText(l.top_left + QPointF(0, ascent), l.text);
        }
    }
    if (outline) {
        p.save();
        p.setPen(QPen(e.enabled ? QColor(220, 0, 0) : QColor(0, 120, 220), 0.4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(qrect(e.rect));
        p.setFont(fonts.form(5, false).font);
        p.drawText(QPointF(e.rect.left, e.rect.top + e.rect.height + 5), QString::fromStdString(e.name));
        p.restore();
    }
}

// As paint_element draws it: the opaque rectangle, the lines as glyphs at
// the places the painter's text layout gives them (a text starting on the
// 1/64 pixel at or before its point, as the painter places text), the
// strike-out line where the painter draws it (a third of the ascent above
// the baseline, from the whole pixels at or before the line's start and end,
// as thick as the font's lines).
void PageRenderer::Caches::draw_element(PdfPage& page, const Element& e, const report::FormDescription* form) {
    if (!e.enabled) return;
    const ElementPlacement pl = place(e, form);
    if (e.opaque) page.fill_rect(pl.rect, Qt::white);
    if (pl.lines.empty()) return;
    const FontCache::Entry& font = fonts.page(e.font, pl.font_px);
    const double ascent = font.metrics.ascent();
    for (const PlacedLine& l : pl.lines) {
        const QPointF point = l.top_left + QPointF(0, ascent);
        const QPointF baseline(std::trunc(point.x() * 64) / 64, std::trunc(point.y() * 64) / 64);
        for (const QGlyphRun& run : glyph_runs(font, l.text, baseline)) page.glyphs(run);
        if (font.font.strikeOut() && !l.text.isEmpty()) {
            const double y = point.y() - ascent / 3.0;
            const double end = std::floor(point.x() + advance_of(font, l.text));
            page.line(QPointF(std::floor(point.x()), y), QPointF(end, y), font.metrics.lineWidth());
        }
    }
}

// The user's background of a page on a painter counting millimetres from the
// paper's top-left corner: a PDF page 1:1 from that corner as an image as
// fine as the device shows it (up to 600 dpi on an image, 300 elsewhere), a
// scan stretched into the page's image rectangle; both moved and scaled as
// the placement says.
void PageRenderer::Caches::paint_background(QPainter& p, const UserBackground& background,
                                            const report::PageReport& page) {
    p.save();
    p.translate(background.placement.dx_mm, background.placement.dy_mm);
    p.scale(background.placement.scale, background.placement.scale);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (background.pdf) {
        const QTransform t = p.deviceTransform();
        const double cap = p.device()->devType() == QInternal::Image ? 600 : 300;
        const double dpi = std::clamp(std::round(std::hypot(t.m11(), t.m12()) * 25.4), 36.0, cap);
        // The last image made is kept: a preview repaints its sheet often.
        if (pdf_image_.page != background.pdf.get() || pdf_image_.dpi != dpi)
            pdf_image_ = {background.pdf.get(), dpi, background.pdf->image(dpi)};
        p.drawImage(QRectF(QPointF(0, 0), background.pdf->size_mm()), pdf_image_.image);
    } else {
        p.drawImage(band_to_paper_mm(page, qrect(page.QRI_obr_str.rect)), background.scan);
    }
    p.restore();
}

PageRenderer::PageRenderer() : caches_(std::make_unique<Caches>()) {}
PageRenderer::~PageRenderer() = default;

ElementPlacement PageRenderer::place_element(const Element& e, const report::FormDescription* form) {
    return caches_->place(e, form);
}

void PageRenderer::set_notice(std::function<void(const std::string&)> notice) { caches_->notice = std::move(notice); }

bool PageRenderer::paints_scans() { return caches_->has_scans(); }

void PageRenderer::paint_page(QPainter& painter, const report::PageReport& page, const RenderOptions& options) {
    QPaintDevice* dev = painter.device();
    const double px_per_mm = dev->logicalDpiX() / 25.4;
    const auto& s = page.settings;
    painter.save();
    // The sheet as designed, then placed on the paper by the fit.
    painter.translate(options.fit.dx_mm * px_per_mm, options.fit.dy_mm * px_per_mm);
    painter.scale(options.fit.scale, options.fit.scale);
    const UserBackground background = caches_->background(page);
    if (!background.drawn()) {
        painter.save();
        painter.scale(px_per_mm, px_per_mm);
        caches_->paint_background(painter, background, page);
        painter.restore();
    }
    painter.translate(s.margin_left_mm * px_per_mm, s.margin_top_mm * px_per_mm);
    painter.scale(px_per_mm * report::kMmPerPixel, px_per_mm * report::kMmPerPixel);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const report::FormDescription* form = form_of_page(page);
    if (background.drawn() && form != nullptr)
        caches_->laid_out(*form).paint(painter, caches_->struck_words(page, form));
    for (const Element& e : page.DB_dane.elements) caches_->paint_element(painter, e, form, options.outline);
    painter.restore();
}

std::unique_ptr<PdfDocument> PageRenderer::pdf_document(PdfOptions options) {
    const bool pdfa = options.pdfa;
    auto document = std::make_unique<PdfDocument>(caches_->pdf_faces, std::move(options));
    Caches::DocumentExtras extras;
    extras.pdfa = pdfa;
    caches_->documents.insert_or_assign(document.get(), std::move(extras));
    return document;
}

QByteArray PageRenderer::finish_pdf(PdfDocument& document) {
    QByteArray pdf = document.finish();
    auto extras = caches_->documents.extract(&document);
    return extras.empty() ? pdf : extras.mapped().underlay.apply(pdf);
}

bool PageRenderer::draw_pdf_page(PdfDocument& document, const report::PageReport& page, const RenderOptions& options) {
    if (options.outline) return false;
    const UserBackground background = caches_->background(page);
    if (!background.scan.isNull()) return false;
    Caches::DocumentExtras& extras = caches_->documents[&document];
    std::shared_ptr<const PdfBackgroundPage> under = background.pdf;
    if (under && extras.pdfa && !under->pdfa_obstacle().empty()) {
        if (extras.replaced.insert(under->name()).second && caches_->notice)
            caches_->notice("the background " + under->name().toStdString() + " cannot go into an archive copy (" +
                            under->pdfa_obstacle() + "); the archive copy shows the drawn background instead");
        under.reset();
    }
    PdfPage& pdf = document.new_page();
    // Band pixels onto the page's points (72 to the inch, from the bottom
    // edge up): the sheet as designed, then placed on the paper by the fit,
    // as paint_page places it.
    constexpr double kPointsPerMm = 72.0 / 25.4;
    const double page_height_pt = document.page_height_pt();
    const auto& s = page.settings;
    const SheetFit& fit = options.fit;
    const double scale = fit.scale * report::kMmPerPixel * kPointsPerMm;
    pdf.set_matrix(QTransform(scale, 0, 0, -scale, (fit.dx_mm + fit.scale * s.margin_left_mm) * kPointsPerMm,
                              page_height_pt - (fit.dy_mm + fit.scale * s.margin_top_mm) * kPointsPerMm));
    const report::FormDescription* form = form_of_page(page);
    if (under) {
        // The fit places the background with the sheet, after its own placement.
        const Placement& own = background.placement;
        extras.underlay.add(document.pages() - 1, under,
                            Placement{.dx_mm = fit.dx_mm + fit.scale * own.dx_mm,
                                      .dy_mm = fit.dy_mm + fit.scale * own.dy_mm,
                                      .scale = fit.scale * own.scale});
    } else if (form != nullptr) {
        caches_->laid_out(*form).draw(pdf, caches_->struck_words(page, form));
    }
    for (const Element& e : page.DB_dane.elements) caches_->draw_element(pdf, e, form);
    return true;
}

void PageRenderer::write_pdf(const report::PageReport& page, QIODevice& out, const RenderOptions& options) {
    constexpr double kPointsPerMm = 72.0 / 25.4;
    const bool a4 = options.paper_mm == QSizeF(kA4WidthMm, kA4HeightMm);
    {
        std::unique_ptr<PdfDocument> document = pdf_document(
            PdfOptions{.title = QString::fromStdString(page.class_name()),
                       .page_width_pt = a4 ? 595.0 : std::round(options.paper_mm.width() * kPointsPerMm),
                       .page_height_pt = a4 ? 842.0 : std::round(options.paper_mm.height() * kPointsPerMm)});
        // The document's extras go with it however the sheet ends (finishing
        // takes them already; forgetting them again is then nothing).
        struct Forget {
            Caches& caches;
            const PdfDocument* document;
            ~Forget() { caches.documents.erase(document); }
        } forget{*caches_, document.get()};
        if (draw_pdf_page(*document, page, options)) {
            out.write(finish_pdf(*document));
            return;
        }
    }
    QPdfWriter writer(&out);
    writer.setPageSize(a4 ? QPageSize(QPageSize::A4) : QPageSize(options.paper_mm, QPageSize::Millimeter));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("dek2018"));
    writer.setTitle(QString::fromStdString(page.class_name()));
    QPainter painter(&writer);
    paint_page(painter, page, options);
    painter.end();
}

QRectF PageRenderer::drawn_extent(const report::PageReport& page) {
    const report::FormDescription* form = form_of_page(page);
    const UserBackground background = caches_->background(page);
    QRectF drawn;
    if (background.drawn() && form != nullptr) drawn = qrect(form->sheet);
    for (const Element& e : page.DB_dane.elements) {
        if (!e.enabled) continue;
        const ElementPlacement pl = caches_->place(e, form);
        // An empty transparent element draws nothing; an opaque one its white rectangle.
        if (pl.text.isEmpty() && !e.opaque) continue;
        drawn = drawn.isNull() ? pl.rect : drawn.united(pl.rect);
    }
    QRectF mm = band_to_paper_mm(page, drawn);
    if (!background.drawn()) {
        const QRectF ink =
            background.pdf ? background.pdf->ink_mm() : band_to_paper_mm(page, qrect(page.QRI_obr_str.rect));
        const Placement& p = background.placement;
        const QRectF placed(p.dx_mm + p.scale * ink.left(), p.dy_mm + p.scale * ink.top(), p.scale * ink.width(),
                            p.scale * ink.height());
        if (!ink.isNull()) mm = drawn.isNull() ? placed : mm.united(placed);
    }
    return mm;
}

QImage PageRenderer::render_image(const report::PageReport& page, int dpi, const RenderOptions& options) {
    const int w = static_cast<int>(std::lround(kA4WidthMm / 25.4 * dpi));
    const int h = static_cast<int>(std::lround(kA4HeightMm / 25.4 * dpi));
    QImage img(w, h, QImage::Format_RGB32);
    img.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    img.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paint_page(painter, page, options);
    painter.end();
    return img;
}

ElementPlacement place_element(const Element& e, const report::FormDescription* form) {
    return PageRenderer().place_element(e, form);
}

void paint_page(QPainter& painter, const report::PageReport& page, const RenderOptions& options) {
    PageRenderer().paint_page(painter, page, options);
}

void write_pdf(const report::PageReport& page, QIODevice& out, const RenderOptions& options) {
    PageRenderer().write_pdf(page, out, options);
}

QRectF drawn_extent(const report::PageReport& page) { return PageRenderer().drawn_extent(page); }

QImage render_image(const report::PageReport& page, int dpi, const RenderOptions& options) {
    return PageRenderer().render_image(page, dpi, options);
}

}  // namespace dek::platform
