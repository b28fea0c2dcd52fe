// PIT-37 pages 2 to 4 rendered to PDF and read back: values print as text
// inside the boxes of the drawn form.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <string>

#include "host/return_file.h"
#include "host/samples.h"
#include "pages/page_classes.h"
#include "platform/render.h"
#include "tests/platform/pdf_words.h"

namespace dek {
namespace {

struct Expect {
    const char* word;
    const char* field;  // id of the form field it must lie in
};

// Fills the page from `data`, renders it as PDF and finds every expected word
// inside its field (half a pixel of tolerance for the glyph boxes).
void expect_words_in_fields(const char* page_class, HostData& data, std::initializer_list<Expect> expects) {
    SCOPED_TRACE(page_class);
    const report::PageClass* cls = pages::find_page_class(page_class);
    ASSERT_NE(cls, nullptr);
    report::LivePage live(*cls, data);
    live.page().before_print();
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    platform::write_pdf(live.page(), buf);
    const auto& s = live.page().settings;
    const auto words = testing::pdf_words(buf.data(), s.margin_left_mm, s.margin_top_mm);
    ASSERT_FALSE(words.empty()) << "no text in the PDF";
    const report::FormDescription& form = pages::form_of(live.page().layout().form);
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

HostData sample() { return host::load_return_text(host::find_sample("pit37")->json, "pit37").data; }

TEST(RenderPit37, Page2ValuesLieInTheirCells) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.dochody[2].zr[3].doch = -1234.5;  // the spouse's loss in row 3
    expect_words_in_fields("TF_w37182", d,
                           {{"180.000,00", "poz35"},
                            {"13.137", "poz39"},
                            {"146.919,61", "poz64"},
                            {"1.234,50", "poz79"},
                            {"13.161,60", "poz98"},
                            {"197.476,59", "poz102"}});
}

TEST(RenderPit37, Page3ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rek_uz.dz = 1112.04;  // section H applies
    expect_words_in_fields("TF_w37183", d,
                           {{"197.477", "poz104"},
                            {"6.419,98", "poz108"},
                            {"1.112,04", "poz118"},
                            {"0000386411", "poz123"},
                            {"rehabilitację", "poz125"},
                            {"x", "poz126"}});
}

TEST(RenderPit37, Page4ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.ilzal[12] = 2;
    d.rekdek.jest_peln = true;
    d.rekdek.peln = "Bartłomiej Żółtowski";
    expect_words_in_fields(
        "TF_w37184", d,
        {{"1", "poz128"}, {"2", "poz129"}, {"x", "poz132_1"}, {"x", "poz133_3"}, {"Żółtowski", "poz142"}});
}

}  // namespace
}  // namespace dek
