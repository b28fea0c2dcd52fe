// Every element that a fill gives a text or an amount, filled with the largest
// value its layout says it can get (`max=N`, `amount=D`), as the engine places
// it: inside its form field and whole, at a readable size, over no word the
// form prints and over no other such element. Walks every page class, so a
// page added later is checked as soon as its layout says what its elements
// take.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QString>
#include <cmath>
#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "platform/fonts.h"
#include "platform/form_painter.h"
#include "platform/render.h"
#include "records/types.h"
#include "report/format.h"

namespace dek {
namespace {

using report::Element;
using report::ElementKind;

// The widest letter of Windows-1250 in the element's font: what a text of
// full width is made of at its worst.
QString widest_letter(const Element& e) {
    const QFontMetricsF fm(platform::class_font(e.font, 100));
    QString widest = QStringLiteral("W");
    for (int b = 0x41; b <= 0xFF; ++b) {
        const QString c = QString::fromStdString(cp1250_to_utf8(std::string(1, static_cast<char>(b))));
        if (c.size() == 1 && c[0].isLetter() && fm.horizontalAdvance(c) > fm.horizontalAdvance(widest)) widest = c;
    }
    return widest;
}

// The largest amount a return file can hold, with D decimals: just below 2^33.
QString largest_amount(int decimals) {
    return QString::fromStdString(report::kwota(-(std::ldexp(1.0, 33) - 0.01), decimals));
}

enum class Shape {
    Words,    // words of seven widest letters between blanks, where a real text breaks
    Unbroken  // one word of widest letters, no blank at all
};

// N characters of the widest letter, as words or as one.
QString largest_text(const Element& e, Shape shape) {
    const QString letter = widest_letter(e);
    QString s;
    for (int i = 0; i < e.max_chars; ++i)
        s += shape == Shape::Words && i % 8 == 7 && i + 1 < e.max_chars ? QStringLiteral(" ") : letter;
    return s;
}

bool annotated(const Element& e) { return e.max_chars > 0 || e.amount_decimals >= 0; }

QRectF qrect(const report::Rect& r) { return QRectF(r.left, r.top, r.width, r.height); }

std::string describe(const QRectF& r) {
    return std::to_string(r.left()) + "," + std::to_string(r.top()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

// What an element covers when it prints: its whole rectangle when opaque,
// else its lines.
std::vector<QRectF> painted(const Element& e, const platform::ElementPlacement& pl) {
    if (e.opaque) return {pl.rect};
    const double h = QFontMetricsF(platform::class_font(e.font, pl.font_px)).height();
    std::vector<QRectF> out;
    for (const auto& l : pl.lines) out.emplace_back(l.top_left, QSizeF(l.width, h));
    return out;
}

void check_page(const report::PageClass& cls, Shape shape) {
    SCOPED_TRACE(std::string(cls.name) + (shape == Shape::Words ? " (words)" : " (unbroken)"));
    HostData data;
    report::LivePage live(cls, data);
    std::vector<Element>& elements = live.page().DB_dane.elements;
    const report::FormDescription& form = pages::form_of(live.page().layout().form);
    const std::vector<QRectF> printed = platform::printed_areas(form);

    struct Placed {
        const Element* e;
        std::vector<QRectF> areas;
    };
    std::vector<Placed> placed;
    for (Element& e : elements) {
        if (!annotated(e)) continue;
        e.enabled = true;
        const QString value = e.amount_decimals >= 0 ? largest_amount(e.amount_decimals) : largest_text(e, shape);
        if (e.kind == ElementKind::Memo)
            e.lines = {value.toStdString()};
        else
            e.caption = value.toStdString();
        const platform::ElementPlacement pl = platform::place_element(e, &form);
        const std::string what = e.name + " \"" + value.toStdString() + "\" at " + std::to_string(pl.font_px) + " px";
        report::Rect a;
        ASSERT_TRUE(form.area(e.field, a)) << e.name << " names no field of the form";
        const QRectF field = qrect(a);
        EXPECT_TRUE(pl.fits) << what << " does not fit";
        EXPECT_TRUE(field.contains(pl.rect)) << what << ": " << describe(pl.rect) << " outside @" << e.field;
        QString shown;
        for (const QRectF& area : painted(e, pl))
            EXPECT_TRUE(field.contains(area)) << what << ": a line at " << describe(area) << " outside @" << e.field;
        for (const auto& l : pl.lines) shown += l.text;
        EXPECT_EQ(QString(shown).remove(QLatin1Char(' ')), QString(value).remove(QLatin1Char(' ')))
            << what << ": not every character printed";
        if (shape == Shape::Words) {
            EXPECT_GE(pl.font_px, platform::kReadablePx) << what << ": too small to read";
        }
        for (const QRectF& area : painted(e, pl))
            for (const QRectF& p : printed)
                EXPECT_FALSE(area.intersects(p))
                    << what << ": " << describe(area) << " covers the form's words at " << describe(p);
        placed.push_back({&e, painted(e, pl)});
    }
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size(); ++j)
            for (const QRectF& a : placed[i].areas)
                for (const QRectF& b : placed[j].areas)
                    EXPECT_FALSE(a.intersects(b)) << placed[i].e->name << " and " << placed[j].e->name << " overlap";
}

TEST(LargestValues, EveryTextAndAmountLiesWholeInsideItsBoxOnEveryPage) {
    for (const auto& cls : pages::page_classes()) {
        check_page(cls, Shape::Words);
        check_page(cls, Shape::Unbroken);
    }
}

}  // namespace
}  // namespace dek
