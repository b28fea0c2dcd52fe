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

// Number in bold, then the title, at the field's top-left corner; the title
// wraps within the field.
void paint_caption(QPainter& p, const report::FormField& f) {
    const QRectF r = qrect(f.rect);
    double x = r.left() + 3;
    p.setPen(Qt::black);
    if (!f.number.empty()) {
        const QFont nf = form_font(kNumberPx, true);
        p.setFont(nf);
        const QString n = QString::fromStdString(f.number);
        p.drawText(QRectF(x, r.top() + 1, 40, kNumberPx + 3), Qt::AlignLeft | Qt::AlignTop, n);
        x += QFontMetricsF(nf).horizontalAdvance(n) + 3;
    }
    if (!f.title.empty()) {
        p.setFont(form_font(kTitlePx, false));
        p.drawText(QRectF(x, r.top() + 1, r.right() - x - 2, r.height() - 2),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, QString::fromStdString(f.title));
    }
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
        const QRectF box = qrect(s.rect());
        outlined(p, box, Qt::white, kSquarePen);
        p.setPen(Qt::black);
        const QFont f = form_font(kTitlePx, false);
        p.setFont(f);
        const QString n = QString::fromStdString(s.number);
        const double nw = QFontMetricsF(f).horizontalAdvance(n);
        p.drawText(QRectF(box.left() - nw - 2, box.top(), nw + 1, box.height()), Qt::AlignRight | Qt::AlignVCenter, n);
        p.drawText(QRectF(box.right() + 4, box.top() - 4, 400, box.height() + 8), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(s.caption));
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

}  // namespace dek::platform
