#include "platform/form_painter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QTextLayout>
#include <algorithm>
#include <climits>

namespace dek::platform {

namespace {

const QColor kSheet(0xe8, 0xe8, 0xe8);
const QColor kBar(0xc8, 0xc8, 0xc8);
constexpr double kFieldPen = 0.6;
constexpr double kSquarePen = 0.8;
constexpr int kNumberPx = 7;
constexpr int kTitlePx = 7;

QRectF qrect(const report::Rect& r) { return QRectF(r.left, r.top, r.width, r.height); }

// Where a field's number (bold) and title print: at the field's top-left
// corner, the title wrapped within the field.
struct Caption {
    QRectF number;  // empty when the field has no number
    QRectF title;   // the rectangle the title wraps in
};

Caption caption_of(const report::FormField& f, const QFontMetricsF& number_fm) {
    const QRectF r = qrect(f.rect);
    Caption c;
    double x = r.left() + 3;
    if (!f.number.empty()) {
        const double w = number_fm.horizontalAdvance(QString::fromStdString(f.number));
        c.number = QRectF(x, r.top() + 1, w, number_fm.height());
        x += w + 3;
    }
    c.title = QRectF(x, r.top() + 1, r.right() - x - 2, r.height() - 2);
    return c;
}

constexpr int kTitleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// A square's number before it and its caption after it.
QRectF square_number_rect(const report::FormSquare& s, const QFontMetricsF& fm) {
    const QRectF box = qrect(s.rect());
    const double nw = fm.horizontalAdvance(QString::fromStdString(s.number));
    return QRectF(box.left() - nw - 2, box.top(), nw + 1, box.height());
}
QRectF square_caption_rect(const report::FormSquare& s) {
    const QRectF box = qrect(s.rect());
    return QRectF(box.right() + 4, box.top() - 4, 400, box.height() + 8);
}

Qt::Alignment qt_align(report::Align a) {
    switch (a) {
        case report::Align::Left:
            return Qt::AlignLeft;
        case report::Align::Right:
            return Qt::AlignRight;
        case report::Align::Center:
            break;
    }
    return Qt::AlignHCenter;
}

// A paint engine that draws nothing and keeps the text items a painter hands
// it, each with the start of its baseline, its characters and the clip in
// effect: so the painter's own text layout (line breaks, alignment) is
// worked out once and kept.
class TextItemEngine final : public QPaintEngine {
public:
    struct Item {
        QPointF baseline;
        QString text;
        std::optional<QRectF> clip;
    };

    TextItemEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        std::optional<QRectF> clip;
        if (painter()->hasClipping()) clip = painter()->clipBoundingRect();
        items.push_back({p, item.text(), clip});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<Item> items;
};

// The device of that engine: band pixels at 96 dots per inch.
class TextItemDevice final : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextItemEngine engine;

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
            case PdmHeight:
                return 100000;
            case PdmWidthMM:
            case PdmHeightMM:
                return 100000 * 254 / 960;
            case PdmNumColors:
                return INT_MAX;
            case PdmDepth:
                return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 96;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }
};

}  // namespace

std::vector<QGlyphRun> glyph_runs(const FontCache::Entry& font, const QString& text, const QPointF& baseline) {
    std::vector<QGlyphRun> runs;
    QList<quint32> glyphs;
    QList<QPointF> advances;
    if (plain_glyphs(font, text, glyphs, advances)) {
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        double x = baseline.x();
        for (const QPointF& a : advances) {
            positions.append(QPointF(x, baseline.y()));
            x += a.x();
        }
        QGlyphRun run;
        run.setRawFont(font.raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        run.setOverline(font.font.overline());
        run.setUnderline(font.font.underline());
        run.setStrikeOut(font.font.strikeOut());
        if (!glyphs.isEmpty()) runs.push_back(std::move(run));
        return runs;
    }
    QTextLayout layout(text, font.font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(INT_MAX / 256);
    layout.endLayout();
    for (QGlyphRun run : layout.glyphRuns()) {
        QList<QPointF> positions = run.positions();
        // On the baseline: the layout's own places, less its ascent.
        for (QPointF& p : positions) p = QPointF(baseline.x() + p.x(), baseline.y() + (p.y() - line.ascent()));
        run.setPositions(positions);
        runs.push_back(std::move(run));
    }
    return runs;
}

std::vector<QGlyphRun> uncovered_glyphs(const std::vector<QGlyphRun>& runs, const std::vector<QRectF>& covered) {
    if (covered.empty()) return runs;
    std::vector<QGlyphRun> out;
    for (const QGlyphRun& run : runs) {
        const QRectF bounds = run.boundingRect();
        const bool touched =
            std::any_of(covered.begin(), covered.end(), [&](const QRectF& c) { return c.intersects(bounds); });
        if (!touched) {
            out.push_back(run);
            continue;
        }
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
        QList<quint32> kept_glyphs;
        QList<QPointF> kept_positions;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QPointF& p = positions[i];
            const QPointF middle(p.x() + advances[i].x() / 2, p.y() + (font.descent() - font.ascent()) / 2);
            const bool hidden =
                std::any_of(covered.begin(), covered.end(), [&](const QRectF& c) { return c.contains(middle); });
            if (hidden) continue;
            kept_glyphs.append(glyphs[i]);
            kept_positions.append(p);
        }
        if (kept_glyphs.isEmpty()) continue;
        QGlyphRun kept = run;
        kept.setGlyphIndexes(kept_glyphs);
        kept.setPositions(kept_positions);
        out.push_back(std::move(kept));
    }
    return out;
}

LaidOutForm::LaidOutForm(const report::FormDescription& form, FontCache& fonts) {
    TextItemDevice device;
    QPainter recorder(&device);
    // Each text as the painter lays it out in its rectangle, kept as glyphs.
    auto words = [&](const FontCache::Entry& font, auto&& draw) {
        device.engine.items.clear();
        recorder.setFont(font.font);
        draw();
        Words w;
        for (const TextItemEngine::Item& item : device.engine.items) {
            if (item.clip) w.clip = item.clip;
            for (QGlyphRun& run : glyph_runs(font, item.text, item.baseline)) w.runs.push_back(std::move(run));
        }
        if (!w.runs.empty()) steps_.emplace_back(std::move(w));
    };
    auto box = [&](const QRectF& r, const QColor& fill, double pen) { steps_.emplace_back(Box{r, fill, pen}); };
    auto printed = [&](const QRectF& r, std::optional<QRectF> gate = std::nullopt) {
        if (!r.isEmpty()) printed_.push_back({r, gate});
    };

    const FontCache::Entry& number_font = fonts.form(kNumberPx, true);
    const FontCache::Entry& title_font = fonts.form(kTitlePx, false);

    box(qrect(form.sheet), kSheet, 0);
    for (const auto& s : form.sections) {
        const QRectF r = qrect(s.rect);
        box(r, kBar, kFieldPen);
        QString title = QString::fromStdString(s.letter);
        if (!title.isEmpty()) title += QLatin1Char(' ');
        title += QString::fromStdString(s.title).toUpper();
        words(fonts.form(s.sub ? 8 : 9, true),
              [&] { recorder.drawText(r.adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, title); });
        printed(r);
    }
    for (const auto& f : form.fields) {
        const QRectF r = qrect(f.rect);
        box(r, f.shaded ? kBar : QColor(Qt::white), kFieldPen);
        const Caption c = caption_of(f, number_font.metrics);
        const QString title = QString::fromStdString(f.title);
        if (!f.number.empty()) {
            words(number_font, [&] {
                recorder.drawText(QRectF(c.number.left(), c.number.top(), 40, c.number.height()),
                                  Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(f.number));
            });
            printed(c.number, r);
        }
        if (!f.title.empty()) {
            // The painter's layout of the title gives the rectangle it covers.
            QRectF covered;
            words(title_font, [&] { recorder.drawText(c.title, kTitleFlags, title, &covered); });
            printed(covered.intersected(c.title), r);
        }
    }
    for (const auto& r : form.shades) box(qrect(r), kBar, kFieldPen);
    for (const auto& s : form.squares) {
        const QRectF square = qrect(s.rect());
        box(square, Qt::white, kSquarePen);
        const QRectF number = square_number_rect(s, title_font.metrics);
        const QRectF caption_room = square_caption_rect(s);
        words(title_font,
              [&] { recorder.drawText(number, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(s.number)); });
        words(title_font, [&] {
            recorder.drawText(caption_room, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(s.caption));
        });
        const QRectF gate = square.united(number).united(caption_room);
        printed(square, gate);
        if (!s.number.empty()) printed(number, gate);
        if (!s.caption.empty()) {
            const double w = title_font.metrics.horizontalAdvance(QString::fromStdString(s.caption));
            const double h = title_font.metrics.height();
            printed(QRectF(caption_room.left(), caption_room.center().y() - h / 2, w, h), gate);
        }
    }
    for (const auto& t : form.texts) {
        const FontCache::Entry& font = fonts.form(t.size_px, t.bold);
        const QString text = QString::fromStdString(t.text);
        if (t.rect.width > 0) {
            const QRectF room(t.rect.left, t.rect.top, t.rect.width, 2000);
            const int flags = qt_align(t.align) | Qt::AlignTop | Qt::TextWordWrap;
            QRectF covered;  // as the painter lays the text out
            words(font, [&] { recorder.drawText(room, flags, text, &covered); });
            printed(covered, room);
        } else {
            const QPointF baseline(t.rect.left, t.rect.top + font.metrics.ascent());
            words(font, [&] { recorder.drawText(baseline, text); });
            printed(QRectF(t.rect.left, t.rect.top, font.metrics.horizontalAdvance(text), font.metrics.height()));
        }
    }
    recorder.end();
}

void LaidOutForm::paint(QPainter& p, const std::vector<QRectF>& covered) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const auto& step : steps_) {
        if (const Box* b = std::get_if<Box>(&step)) {
            if (b->pen > 0) {
                p.setPen(QPen(Qt::black, b->pen));
                p.setBrush(b->fill);
                p.drawRect(b->rect);
            } else {
                p.fillRect(b->rect, b->fill);
            }
            continue;
        }
        const Words& w = std::get<Words>(step);
        p.setPen(Qt::black);
        if (w.clip) {
            p.save();
            p.setClipRect(*w.clip, Qt::IntersectClip);
        }
        for (const QGlyphRun& run : uncovered_glyphs(w.runs, covered)) p.drawGlyphRun(QPointF(0, 0), run);
        if (w.clip) p.restore();
    }
    p.restore();
}

void LaidOutForm::draw(PdfPage& page, const std::vector<QRectF>& covered) const {
    for (const auto& step : steps_) {
        if (const Box* b = std::get_if<Box>(&step)) {
            if (b->pen > 0)
                page.outlined_rect(b->rect, b->fill, b->pen);
            else
                page.fill_rect(b->rect, b->fill);
            continue;
        }
        const Words& w = std::get<Words>(step);
        if (w.clip) page.begin_clip(*w.clip);
        for (const QGlyphRun& run : uncovered_glyphs(w.runs, covered)) page.glyphs(run);
        if (w.clip) page.end_clip();
    }
}

std::vector<QRectF> LaidOutForm::printed_areas(const QRectF* within) const {
    std::vector<QRectF> out;
    for (const Printed& a : printed_) {
        if (within == nullptr || (within->intersects(a.rect) && (!a.gate || within->intersects(*a.gate))))
            out.push_back(a.rect);
    }
    return out;
}

const std::vector<QRectF>& LaidOutForm::printed_areas_in(const QRectF& within) const {
    const std::array<double, 4> key{within.left(), within.top(), within.right(), within.bottom()};
    auto it = printed_in_.find(key);
    if (it == printed_in_.end()) it = printed_in_.emplace(key, printed_areas(&within)).first;
    return it->second;
}

void paint_form(QPainter& painter, const report::FormDescription& form) {
    FontCache fonts;
    LaidOutForm(form, fonts).paint(painter);
}

std::vector<QRectF> printed_areas(const report::FormDescription& form, const QRectF* within) {
    FontCache fonts;
    return LaidOutForm(form, fonts).printed_areas(within);
}

}  // namespace dek::platform
