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
#include <type_traits>
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

// Checks one placed element: inside its field, every character shown, at a
// readable size when asked, over no word the form prints. Returns what it
// covers.
std::vector<QRectF> expect_whole_inside(const Element& e, const report::FormDescription& form,
                                        const std::vector<QRectF>& printed, bool readable) {
    const platform::ElementPlacement pl = platform::place_element(e, &form);
    const std::string what = e.name + " \"" + pl.text.toStdString() + "\" at " + std::to_string(pl.font_px) + " px";
    report::Rect a;
    if (!form.area(e.field, a)) {
        ADD_FAILURE() << e.name << " names no field of the form";
        return {};
    }
    const QRectF field = qrect(a);
    EXPECT_TRUE(pl.fits) << what << " does not fit";
    EXPECT_TRUE(field.contains(pl.rect)) << what << ": " << describe(pl.rect) << " outside @" << e.field;
    const std::vector<QRectF> areas = painted(e, pl);
    for (const QRectF& area : areas)
        EXPECT_TRUE(field.contains(area)) << what << ": a line at " << describe(area) << " outside @" << e.field;
    QString shown;
    for (const auto& l : pl.lines) shown += l.text;
    EXPECT_EQ(shown.remove(QLatin1Char(' ')).toStdString(),
              QString(pl.text).remove(QLatin1Char(' ')).remove(QLatin1Char('\n')).toStdString())
        << what << ": not every character printed";
    // A text may break to stay readable; an amount never breaks, so the
    // largest a return file holds (2^33) shrinks below that size in the
    // narrowest columns (PIT-28 page 1: 7 px, its shares 6 px) and must
    // still fit whole.
    if (readable && e.amount_decimals < 0) {
        EXPECT_GE(pl.font_px, platform::kReadablePx) << what << ": too small to read";
    }
    // An amount is one word on one line, never broken at its thousands point.
    if (e.amount_decimals >= 0) {
        EXPECT_EQ(pl.lines.size(), 1U) << what << ": broken over " << pl.lines.size() << " lines";
        if (pl.lines.size() == 1) {
            EXPECT_EQ(pl.lines.front().text, pl.text) << what << ": not read back whole";
        }
    }
    for (const QRectF& area : areas)
        for (const QRectF& p : printed)
            EXPECT_FALSE(area.intersects(p))
                << what << ": " << describe(area) << " covers the form's words at " << describe(p);
    return areas;
}

void check_page(const report::PageClass& cls, Shape shape) {
    SCOPED_TRACE(std::string(cls.name) + (shape == Shape::Words ? " (words)" : " (unbroken)"));
    HostData data;
    report::LivePage live(cls, data);
    const report::FormDescription& form = pages::form_of(live.page().layout().form);
    const std::vector<QRectF> printed = platform::printed_areas(form);

    struct Placed {
        const Element* e;
        std::vector<QRectF> areas;
    };
    std::vector<Placed> placed;
    for (Element& e : live.page().DB_dane.elements) {
        if (!annotated(e)) continue;
        e.enabled = true;
        const QString value = e.amount_decimals >= 0 ? largest_amount(e.amount_decimals) : largest_text(e, shape);
        if (e.kind == ElementKind::Memo)
            e.lines = {value.toStdString()};
        else
            e.caption = value.toStdString();
        placed.push_back({&e, expect_whole_inside(e, form, printed, shape == Shape::Words)});
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

// `n` characters of wide capitals in words of seven, as a person would type
// a long description.
std::string wide_words(std::size_t n) {
    static const char* const letters[] = {"W", "Ś", "M"};
    std::string s;
    std::size_t count = 0;
    for (std::size_t i = 0; count < n; ++i, ++count) s += i % 8 == 7 ? " " : letters[(i / 8) % 3];
    return s;
}

// Every part of a text stored in parts at its full width.
template <class Parts>
void fill_parts(Parts& parts) {
    for (auto& part : parts) part = wide_words(std::decay_t<decltype(part)>::capacity);
}

// Filled by the pages' own fill procedures: the reference number of the
// first pages (two lines of 16 and 48 characters, or one of 64) with and
// without blanks, and the long descriptions made of parts.
TEST(LargestValues, LongestTextsThroughThePagesFillsLieWholeInsideTheirBoxes) {
    struct Case {
        const char* page;
        const char* element;
        void (*fill)(HostData&);
    };
    const Case cases[] = {
        {"TF_wd18_1", "QRL_rodz_odl_doch", [](HostData& d) { fill_parts(d.rekdek.d_rodz); }},
        {"TF_wo18_1", "QRL_in_odlp", [](HostData& d) { fill_parts(d.rekdek.in_odld); }},
        {"TF_wo18_2", "QRL_in_odlp", [](HostData& d) { fill_parts(d.rekdek.in_odlp); }},
        {"TF_w37183", "QRL_cel", [](HostData& d) { fill_parts(d.rekdek.cel); }},
        {"TF_w37183", "QRL_kontakt", [](HostData& d) { fill_parts(d.rekdek.kontakt); }},
        {"TF_w37184", "QRL_d_us",
         [](HostData& d) {
             d.rekdek.d_kto = 1;
             fill_parts(d.rekdek.d_us);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.page) + " " + c.element);
        HostData data;
        c.fill(data);
        report::LivePage live(*pages::find_page_class(c.page), data);
        live.page().before_print();
        const report::FormDescription& form = pages::form_of(live.page().layout().form);
        const Element* e = live.page().DB_dane.find(c.element);
        ASSERT_NE(e, nullptr);
        ASSERT_TRUE(e->enabled);
        expect_whole_inside(*e, form, platform::printed_areas(form), true);
    }

    const std::string numbers[] = {std::string(64, 'W'), wide_words(64)};
    for (const auto& cls : pages::page_classes()) {
        HostData data;
        report::LivePage probe(cls, data);
        if (probe.page().DB_dane.find("QRL_nrref") == nullptr) continue;
        for (const std::string& number : numbers) {
            SCOPED_TRACE(std::string(cls.name) + " QRL_nrref " + number);
            HostData d;
            d.dr_dek_ref = true;
            d.nr_dek_refer = number;
            report::LivePage live(cls, d);
            live.page().before_print();
            const report::FormDescription& form = pages::form_of(live.page().layout().form);
            const Element* memo = live.page().DB_dane.find("QRL_nrref");
            ASSERT_TRUE(memo->enabled);
            expect_whole_inside(*memo, form, platform::printed_areas(form), number.find(' ') != std::string::npos);
        }
    }
}

}  // namespace
}  // namespace dek
