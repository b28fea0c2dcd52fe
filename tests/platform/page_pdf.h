// Rendering a filled page to PDF and finding its values, read back as text,
// inside the fields of the drawn form.
#pragma once

#include <gtest/gtest.h>

#include <QBuffer>
#include <initializer_list>
#include <vector>

#include "pages/page_classes.h"
#include "platform/render.h"
#include "records/host_data.h"
#include "report/page_class.h"
#include "tests/platform/pdf_words.h"

namespace dek::testing {

struct Expect {
    const char* word;
    const char* field;  // id of the form field (or square) it must lie in
};

// Renders a filled page as PDF and finds every expected word inside its
// field (half a pixel of tolerance for the glyph boxes).
inline void expect_page_words_in_fields(const report::PageReport& page, const std::vector<Expect>& expects) {
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    platform::write_pdf(page, buf);
    const auto& s = page.settings;
    const auto words = pdf_words(buf.data(), s.margin_left_mm, s.margin_top_mm);
    ASSERT_FALSE(words.empty()) << "no text in the PDF";
    const report::FormDescription& form = pages::form_of(page.layout().form);
    for (const auto& ex : expects) {
        report::Rect a;
        ASSERT_TRUE(form.area(ex.field, a)) << ex.field;
        const QRectF box = QRectF(a.left, a.top, a.width, a.height).adjusted(-0.5, -0.5, 0.5, 0.5);
        // A mark's line box (ascent to descent) is taller than its square:
        // there the middle of the "x" must lie in the square.
        const bool square = form.is_square(ex.field);
        bool found = false;
        for (const auto& w : words)
            if (w.text == QString::fromUtf8(ex.word) && (square ? box.contains(w.box.center()) : box.contains(w.box)))
                found = true;
        EXPECT_TRUE(found) << ex.word << " not inside " << ex.field;
    }
}

// Fills the page from `data` with the given variant fields and finds every
// expected word inside its field, as expect_page_words_in_fields.
inline void expect_words_in_fields(const char* page_class, HostData& data, std::initializer_list<Expect> expects,
                                   int nrp = 0, int nr = 0, int ilb = 0, int nrsp = 0) {
    SCOPED_TRACE(page_class);
    const report::PageClass* cls = pages::find_page_class(page_class);
    ASSERT_NE(cls, nullptr);
    report::LivePage live(*cls, data);
    live.page().nrp = nrp;
    live.page().nr = nr;
    live.page().ilb = ilb;
    live.page().nrsp = nrsp;
    live.page().before_print();
    expect_page_words_in_fields(live.page(), expects);
}

}  // namespace dek::testing
