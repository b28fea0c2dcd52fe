#include "platform/form_painter.h"

#include <QFontMetricsF>
#include <QPen>

#include "platform/fonts.h"

namespace dek::platform {

namespace {

const QColor kSheet(0xe8, 0xe8, 0xe8);
const QColor kBar(0xc8, 0xc8, 0xc8);
constexpr double kFieldPen = 0.6;
constexpr double kSquarePen = 0.8;
constexpr int kNumberPx = 7;
constexpr int kTitlePx = 7;

QRectF qrect(const report::Rect& r) { return QRectF(r.left, r.top, r.width, r.height); }

void outlined(QPainter& p, const QRectF& r, const QColor& fill, double pen) {
    p.setPen(QPen(Qt::black, pen));
    p.setBrush(fill);
    p.drawRect(r);
}

// Where a field's number (bold) and title print: at the field's top-left
// corner, the title wrapped within the field.
struct Caption {
    QRectF number;  // empty when the field has no number
    QRectF title;   // the rectangle the title wraps in
};

Caption caption_of(const report::FormField& f) {
    const QRectF r = qrect(f.rect);
    Caption c;
    double x = r.left() + 3;
    if (!f.number.empty()) {
        const QFontMetricsF fm(form_font(kNumberPx, true));
        const double w = fm.horizontalAdvance(QString::fromStdString(f.number));
        c.number = QRectF(x, r.top() + 1, w, fm.height());
        x += w + 3;
    }
    c.title = QRectF(x, r.top() + 1, r.right() - x - 2, r.height() - 2);
    return c;
}

constexpr int kTitleFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

void paint_caption(QPainter& p, const report::FormField& f) {
    const Caption c = caption_of(f);
    p.setPen(Qt::black);
    if (!f.number.empty()) {
        p.setFont(form_font(kNumberPx, true));
        p.drawText(QRectF(c.number.left(), c.number.top(), 40, c.number.height()), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(f.number));
    }
    if (!f.title.empty()) {
        p.setFont(form_font(kTitlePx, false));
        p.drawText(c.title, kTitleFlags, QString::fromStdString(f.title));
    }
}

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

}  // namespace

void paint_form(QPainter& p, const report::FormDescription& form) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(qrect(form.sheet), kSheet);

    for (const auto& s : form.sections) {
        const QRectF r = qrect(s.rect);
        outlined(p, r, kBar, kFieldPen);
        const int px = s.sub ? 8 : 9;
        p.setFont(form_font(px, true));
        p.setPen(Qt::black);
        QString title = QString::fromStdString(s.letter);
        if (!title.isEmpty()) title += QLatin1Char(' ');
        title += QString::fromStdString(s.title).toUpper();
        p.drawText(r.adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    }
    for (const auto& f : form.fields) {
        outlined(p, qrect(f.rect), f.shaded ? kBar : QColor(Qt::white), kFieldPen);
        paint_caption(p, f);
    }
    for (const auto& r : form.shades) outlined(p, qrect(r), kBar, kFieldPen);
    for (const auto& s : form.squares) {
        outlined(p, qrect(s.rect()), Qt::white, kSquarePen);
        p.setPen(Qt::black);
        const QFont f = form_font(kTitlePx, false);
        p.setFont(f);
        const QFontMetricsF fm(f);
        p.drawText(square_number_rect(s, fm), Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(s.number));
        p.drawText(square_caption_rect(s), Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(s.caption));
    }
    for (const auto& t : form.texts) {
        const QFont f = form_font(t.size_px, t.bold);
        p.setFont(f);
        p.setPen(Qt::black);
        const QString text = QString::fromStdString(t.text);
        if (t.rect.width > 0) {
            p.drawText(QRectF(t.rect.left, t.rect.top, t.rect.width, 2000),
                       qt_align(t.align) | Qt::AlignTop | Qt::TextWordWrap, text);
        } else {
            p.drawText(QPointF(t.rect.left, t.rect.top + QFontMetricsF(f).ascent()), text);
        }
    }
    p.restore();
}

std::vector<QRectF> printed_areas(const report::FormDescription& form, const QRectF* within) {
    std::vector<QRectF> out;
    auto add = [&](const QRectF& r) {
        if (!r.isEmpty() && (within == nullptr || within->intersects(r))) out.push_back(r);
    };
    auto may_touch = [&](const QRectF& r) { return within == nullptr || within->intersects(r); };
    for (const auto& s : form.sections) add(qrect(s.rect));
    const QFontMetricsF title_fm(form_font(kTitlePx, false));
    for (const auto& f : form.fields) {
        if (!may_touch(qrect(f.rect))) continue;
        const Caption c = caption_of(f);
        add(c.number);
        if (!f.title.empty())
            add(title_fm.boundingRect(c.title, kTitleFlags, QString::fromStdString(f.title)).intersected(c.title));
    }
    for (const auto& s : form.squares) {
        const QRectF caption_room = square_caption_rect(s);
        if (!may_touch(qrect(s.rect()).united(square_number_rect(s, title_fm)).united(caption_room))) continue;
        add(qrect(s.rect()));
        if (!s.number.empty()) add(square_number_rect(s, title_fm));
        if (!s.caption.empty()) {
            const double w = title_fm.horizontalAdvance(QString::fromStdString(s.caption));
            const double h = title_fm.height();
            add(QRectF(caption_room.left(), caption_room.center().y() - h / 2, w, h));
        }
    }
    for (const auto& t : form.texts) {
        const QFontMetricsF fm(form_font(t.size_px, t.bold));
        const QString text = QString::fromStdString(t.text);
        if (t.rect.width > 0) {
            const QRectF room(t.rect.left, t.rect.top, t.rect.width, 2000);
            if (!may_touch(room)) continue;
            add(fm.boundingRect(room, qt_align(t.align) | Qt::AlignTop | Qt::TextWordWrap, text));
        } else {
            add(QRectF(t.rect.left, t.rect.top, fm.horizontalAdvance(text), fm.height()));
        }
    }
    return out;
}

}  // namespace dek::platform
