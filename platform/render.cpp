#include "platform/render.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>
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

constexpr int kSmallestPx = 5;  // shrinking stops here
constexpr double kA4WidthMm = 210.0;
constexpr double kA4HeightMm = 297.0;

QRectF qrect(const report::Rect& r) { return QRectF(r.left, r.top, r.width, r.height); }

Qt::Alignment qt_align(Align a) {
    switch (a) {
        case Align::Left:
            return Qt::AlignLeft;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Center:
            break;
    }
    return Qt::AlignHCenter;
}

QString element_text(const Element& e) {
    if (e.kind == ElementKind::Memo) {
        QStringList lines;
        for (const auto& l : e.lines) lines << QString::fromStdString(l);
        return lines.join(QLatin1Char('\n'));
    }
    return QString::fromStdString(e.caption);
}

bool wraps(const Element& e) { return e.word_wrap || e.kind == ElementKind::Memo; }

// The rectangle an element takes at one pixel size.
QRectF measure(const Element& e, const QString& text, int px) {
    const QFontMetricsF fm(class_font(e.font, px));
    const QRectF r = qrect(e.rect);
    if (e.kind == ElementKind::Label && e.auto_size) {
        const double w = text.isEmpty() ? 0.0 : fm.horizontalAdvance(text);
        double left = r.left();
        if (e.alignment == Align::Right) left = r.right() - w;
        if (e.alignment == Align::Center) left = r.center().x() - w / 2;
        // As tall as its line: an opaque cover blanks its words, not the box below.
        return QRectF(left, r.top(), w, std::min(r.height(), fm.height()));
    }
    if (wraps(e)) {
        const QRectF need = fm.boundingRect(QRectF(r.left(), r.top(), r.width(), 100000),
                                            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        double h = r.height();
        if (e.auto_stretch) h = std::max(h, need.height());
        return QRectF(r.left(), r.top(), r.width(), h);
    }
    return r;
}

// Whether the text at that size fits where it must: a fixed rectangle
// (width, and height unless it grows), and for every label the box of its
// form field.
bool fits(const Element& e, const QString& text, int px, const QRectF& placed, const QRectF* field) {
    const QFontMetricsF fm(class_font(e.font, px));
    const QRectF r = qrect(e.rect);
    if (e.kind == ElementKind::Label && !e.auto_size) {
        if (wraps(e)) {
            const QRectF need = fm.boundingRect(QRectF(r.left(), r.top(), r.width(), 100000),
                                                Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
            if (need.width() > r.width() + 0.01) return false;
            if (!e.auto_stretch && need.height() > r.height() + 0.01) return false;
        } else if (fm.horizontalAdvance(text) > r.width() + 0.01) {
            return false;
        }
    }
    if (field != nullptr && !text.isEmpty()) {
        if (placed.left() < field->left() - 0.01 || placed.right() > field->right() + 0.01) return false;
    }
    return true;
}

}  // namespace

ElementPlacement place_element(const Element& e, const report::FormDescription* form) {
    ElementPlacement out;
    out.text = element_text(e);
    out.font_px = e.font_px > 0 ? e.font_px : class_pixel_size(e.font);
    // The box of the element's form field (squares excepted: a mark is no text
    // that could overflow), which a value must never leave.
    QRectF field_box;
    const QRectF* field = nullptr;
    report::Rect area;
    if (form != nullptr && !e.field.empty() && !form->is_square(e.field) && form->area(e.field, area)) {
        field_box = qrect(area).adjusted(1, 0, -1, 0);
        field = &field_box;
    }
    out.rect = measure(e, out.text, out.font_px);
    // Never cut a text off: shrink it until it fits.
    while (out.font_px > kSmallestPx && !fits(e, out.text, out.font_px, out.rect, field)) {
        --out.font_px;
        out.rect = measure(e, out.text, out.font_px);
    }
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

const report::FormDescription* form_of_page(const report::PageReport& page) {
    return page.layout().form.empty() ? nullptr : &pages::form_of(page.layout().form);
}

void paint_element(QPainter& p, const Element& e, const report::FormDescription* form, bool outline) {
    const ElementPlacement pl = place_element(e, form);
    if (e.enabled) {
        if (e.opaque) p.fillRect(pl.rect, Qt::white);
        if (!pl.text.isEmpty()) {
            p.setFont(class_font(e.font, pl.font_px));
            p.setPen(Qt::black);
            int flags = static_cast<int>(qt_align(e.alignment) | Qt::AlignTop);
            if (wraps(e)) flags |= Qt::TextWordWrap;
            p.drawText(pl.rect, flags, pl.text);
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
    // The sheet as designed, then placed on the paper by the fit.
    painter.translate(options.fit.dx_mm * px_per_mm, options.fit.dy_mm * px_per_mm);
    painter.scale(options.fit.scale, options.fit.scale);
    painter.translate(s.margin_left_mm * px_per_mm, s.margin_top_mm * px_per_mm);
    painter.scale(px_per_mm * report::kMmPerPixel, px_per_mm * report::kMmPerPixel);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    const report::FormDescription* form = form_of_page(page);
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

QRectF drawn_extent(const report::PageReport& page) {
    const report::FormDescription* form = form_of_page(page);
    QRectF drawn;
    if (!user_scan(page).isNull()) {
        drawn = qrect(page.QRI_obr_str.rect);
    } else if (form != nullptr) {
        drawn = qrect(form->sheet);
    }
    for (const Element& e : page.DB_dane.elements) {
        if (!e.enabled) continue;
        const ElementPlacement pl = place_element(e, form);
        // An empty transparent element draws nothing; an opaque one its white rectangle.
        if (pl.text.isEmpty() && !e.opaque) continue;
        drawn = drawn.isNull() ? pl.rect : drawn.united(pl.rect);
    }
    const auto& s = page.settings;
    return QRectF(s.margin_left_mm + drawn.left() * report::kMmPerPixel,
                  s.margin_top_mm + drawn.top() * report::kMmPerPixel, drawn.width() * report::kMmPerPixel,
                  drawn.height() * report::kMmPerPixel);
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
