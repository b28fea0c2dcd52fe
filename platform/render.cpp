#include "platform/render.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "pages/page_classes.h"
#include "platform/fonts.h"
#include "platform/form_painter.h"

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

// Text elements that wrap by design: their words may break inside when that
// is the only way to a readable size.
bool breaks_words(const Element& e) { return e.word_wrap || e.kind == ElementKind::Memo; }

constexpr double kEps = 0.01;
constexpr double kNoLimit = 1e7;

struct Line {
    QString text;
    double width = 0;
};

// The lines of `text` in font `f`: one paragraph per '\n', each broken to
// `width` at line-break opportunities (blanks, after hyphens), and with
// `anywhere` also inside a word wider than `width`. Trailing blanks do not
// count. A line may still be wider than `width` (a word that cannot break).
std::vector<Line> break_lines(const QFont& f, const QString& text, double width, bool anywhere) {
    const QFontMetricsF fm(f);
    std::vector<Line> out;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            out.push_back({});
            continue;
        }
        QTextLayout layout(paragraph, f);
        QTextOption option;
        option.setWrapMode(anywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (part.endsWith(QLatin1Char(' '))) part.chop(1);
            const double w = fm.horizontalAdvance(part);
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

// The room an element's text may take: its width (a fixed rectangle's, or for
// a label sized to its text the way from its anchor to its field's side) and
// its height, from its top down to its field's frame or to the first thing
// the form prints below it there, never less than its own rectangle.
struct Room {
    double width = kNoLimit;
    double height = 0;
};

Room room_of(const Element& e, const report::FormDescription* form, const QRectF* field) {
    const QRectF r = qrect(e.rect);
    Room room;
    room.height = r.height();
    if (e.kind == ElementKind::Label && e.auto_size) {
        if (field != nullptr) {
            if (e.alignment == Align::Left) room.width = field->right() - r.left();
            if (e.alignment == Align::Right) room.width = r.right() - field->left();
            if (e.alignment == Align::Center)
                room.width = 2 * std::min(r.center().x() - field->left(), field->right() - r.center().x());
        }
    } else {
        room.width = r.width();
    }
    if (field == nullptr) return room;
    double bottom = field->bottom() - 1;
    const double left = e.auto_size ? field->left() : r.left();
    const double right = e.auto_size ? field->right() : r.right();
    const QRectF area(field->left(), r.top(), field->width(), std::max(0.0, field->bottom() - r.top()));
    for (const QRectF& printed : printed_areas(*form, &area)) {
        const bool below = printed.top() >= r.bottom() - kEps;
        const bool across = printed.right() > left && printed.left() < right;
        if (below && across) bottom = std::min(bottom, printed.top() - 1);
    }
    room.height = std::max(r.height(), bottom - r.top());
    return room;
}

// Whether the text at that size fits the room; `lines` gets its lines.
bool try_size(const Element& e, const QString& text, int px, const Room& room, bool anywhere,
              std::vector<Line>& lines) {
    const QFont f = class_font(e.font, px);
    lines = break_lines(f, text, room.width, anywhere);
    for (const Line& l : lines)
        if (l.width > room.width + kEps) return false;
    // A single line keeps its rectangle's height whatever its font's.
    return lines.size() <= 1 || block_height(QFontMetricsF(f), lines.size()) <= room.height + kEps;
}

// The mark of a square: one line, its ink centred on the square.
ElementPlacement place_mark(const Element& e, const QRectF& square, ElementPlacement out) {
    if (out.text.isEmpty()) {
        out.rect = qrect(e.rect);
        return out;
    }
    const QFontMetricsF fm(class_font(e.font, out.font_px));
    const QRectF ink = fm.tightBoundingRect(out.text);  // relative to the baseline origin
    const QPointF origin(square.center().x() - ink.center().x(), square.center().y() - ink.center().y());
    out.rect = ink.translated(origin);
    out.lines.push_back({out.text, QPointF(origin.x(), origin.y() - fm.ascent()), fm.horizontalAdvance(out.text)});
    return out;
}

}  // namespace

ElementPlacement place_element(const Element& e, const report::FormDescription* form) {
    ElementPlacement out;
    out.text = element_text(e);
    out.font_px = e.font_px > 0 ? e.font_px : class_pixel_size(e.font);
    report::Rect area;
    const bool in_field = form != nullptr && !e.field.empty() && form->area(e.field, area);
    if (in_field && form->is_square(e.field)) return place_mark(e, qrect(area), std::move(out));
    // The box of the element's form field, which a value must never leave.
    QRectF field_box;
    const QRectF* field = nullptr;
    if (in_field) {
        field_box = qrect(area).adjusted(1, 0, -1, 0);
        field = &field_box;
    }
    const QRectF r = qrect(e.rect);
    if (out.text.isEmpty()) {
        out.rect = e.kind == ElementKind::Label && e.auto_size ? QRectF(r.left(), r.top(), 0, 0) : r;
        return out;
    }

    const Room room = room_of(e, form, field);
    std::vector<Line> lines;
    int chosen = 0;
    for (int px = out.font_px; px >= kSmallestPx && chosen == 0; --px)
        if (try_size(e, out.text, px, room, false, lines)) chosen = px;
    if ((chosen == 0 || chosen < kReadablePx) && breaks_words(e)) {
        std::vector<Line> broken;
        for (int px = out.font_px; px > std::max(chosen, kSmallestPx - 1); --px) {
            if (try_size(e, out.text, px, room, true, broken)) {
                chosen = px;
                lines = std::move(broken);
                break;
            }
        }
    }
    if (chosen == 0) {
        out.fits = false;
        chosen = std::min(out.font_px, kSmallestPx);
        try_size(e, out.text, chosen, room, breaks_words(e), lines);
    }
    out.font_px = chosen;

    const QFontMetricsF fm(class_font(e.font, out.font_px));
    double widest = 0;
    for (const Line& l : lines) widest = std::max(widest, l.width);
    const double height = block_height(fm, lines.size());
    if (e.kind == ElementKind::Label && e.auto_size) {
        double left = r.left();
        if (e.alignment == Align::Right) left = r.right() - widest;
        if (e.alignment == Align::Center) left = r.center().x() - widest / 2;
        // As tall as its lines: an opaque cover blanks its words, not the box below.
        out.rect = QRectF(left, r.top(), widest, lines.size() > 1 ? height : std::min(r.height(), fm.height()));
    } else {
        out.rect = QRectF(r.left(), r.top(), r.width(), lines.size() > 1 ? std::max(r.height(), height) : r.height());
    }
    double y = r.top();
    for (Line& l : lines) {
        double x = out.rect.left();
        if (e.alignment == Align::Right) x = out.rect.right() - l.width;
        if (e.alignment == Align::Center) x = out.rect.center().x() - l.width / 2;
        out.lines.push_back({std::move(l.text), QPointF(x, y), l.width});
        y += fm.lineSpacing();
    }
    // Never beyond the field's sides.
    if (field != nullptr && (out.rect.left() < field->left() - kEps || out.rect.right() > field->right() + kEps))
        out.fits = false;
    return out;
}

QString scans_folder() { return qEnvironmentVariable("DEK2018_SCANS"); }

namespace {

QImage user_scan(const report::PageReport& page) {
    const QString dir = scans_folder();
    if (dir.isEmpty()) return {};
    for (const char* ext : {".png", ".jpg", ".jpeg"}) {
        const QString path = dir + QLatin1Char('/') + QString::fromStdString(page.class_name()) + QLatin1String(ext);
        if (QFileInfo::exists(path)) {
            QImage img(path);
            if (!img.isNull()) return img;
        }
    }
    return {};
}

void paint_element(QPainter& p, const Element& e, const report::FormDescription* form, bool outline) {
    const ElementPlacement pl = place_element(e, form);
    if (e.enabled) {
        if (e.opaque) p.fillRect(pl.rect, Qt::white);
        if (!pl.lines.empty()) {
            const QFont font = class_font(e.font, pl.font_px);
            const double ascent = QFontMetricsF(font).ascent();
            p.setFont(font);
            p.setPen(Qt::black);
            for (const PlacedLine& l : pl.lines) p.drawText(l.top_left + QPointF(0, ascent), l.text);
        }
    }
    if (outline) {
        p.save();
        p.setPen(QPen(e.enabled ? QColor(220, 0, 0) : QColor(0, 120, 220), 0.4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(qrect(e.rect));
        QFont f = form_font(5, false);
        p.setFont(f);
        p.drawText(QPointF(e.rect.left, e.rect.top + e.rect.height + 5), QString::fromStdString(e.name));
        p.restore();
    }
}

}  // namespace

void paint_page(QPainter& painter, const report::PageReport& page, const RenderOptions& options) {
    QPaintDevice* dev = painter.device();
    const double px_per_mm = dev->logicalDpiX() / 25.4;
    const auto& s = page.settings;
    painter.save();
    painter.translate(s.margin_left_mm * px_per_mm, s.margin_top_mm * px_per_mm);
    painter.scale(px_per_mm * report::kMmPerPixel, px_per_mm * report::kMmPerPixel);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const report::FormDescription* form = nullptr;
    if (!page.layout().form.empty()) form = &pages::form_of(page.layout().form);

    const QImage scan = user_scan(page);
    if (!scan.isNull()) {
        painter.drawImage(qrect(page.QRI_obr_str.rect), scan);
    } else if (form != nullptr) {
        paint_form(painter, *form);
    }
    for (const Element& e : page.DB_dane.elements) paint_element(painter, e, form, options.outline);
    painter.restore();
}

void write_pdf(const report::PageReport& page, QIODevice& out, const RenderOptions& options) {
    QPdfWriter writer(&out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("dek2018"));
    writer.setTitle(QString::fromStdString(page.class_name()));
    QPainter painter(&writer);
    paint_page(painter, page, options);
    painter.end();
}

QImage render_image(const report::PageReport& page, int dpi, const RenderOptions& options) {
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

}  // namespace dek::platform
