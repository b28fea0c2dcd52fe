#include "platform/render.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "host/return_file.h"
#include "host/samples.h"
#include "pages/page_classes.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "render_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};
[[maybe_unused]] const auto* const environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

// Checks that every element that prints lies inside the field or square it
// names; squares allow one pixel for the mark's side bearings.
void expect_inside(const report::PageReport& page, const std::string& what) {
    const report::FormDescription& form = pages::form_of(page.layout().form);
    for (const report::Element& e : page.DB_dane.elements) {
        const platform::ElementPlacement pl = platform::place_element(e, &form);
        // Nothing prints for a disabled element, nor for an empty one unless
        // it is an opaque fixed rectangle.
        if (!e.enabled || (pl.text.isEmpty() && (!e.opaque || e.auto_size))) continue;
        report::Rect a;
        ASSERT_TRUE(form.area(e.field, a)) << e.name;
        const double slack = form.is_square(e.field) ? 1.0 : 0.0;
        const QRectF box = QRectF(a.left, a.top, a.width, a.height).adjusted(-slack, -slack, slack, slack);
        EXPECT_TRUE(box.contains(pl.rect))
            << what << ": " << e.name << " at " << pl.rect.x() << "," << pl.rect.y() << " " << pl.rect.width() << "x"
            << pl.rect.height() << " \"" << pl.text.toStdString() << "\" outside @" << e.field;
    }
}

void set_variants(report::PageReport& page) {
    if (page.has_variant("nrp")) page.nrp = 1;
    if (page.has_variant("nr")) page.nr = 1;
    if (page.has_variant("ilb")) page.ilb = 1;
    if (page.has_variant("nrsp")) page.nrsp = 1;
}

TEST(Render, EveryElementLiesInsideItsFieldOnEveryPage) {
    for (const auto& cls : pages::page_classes()) {
        // As designed (sample captions) ...
        {
            HostData empty;
            report::LivePage live(cls, empty);
            expect_inside(live.page(), std::string(cls.name) + " as designed");
        }
        // ... and filled from every built-in sample, whose texts fill their fields to full width.
        for (const auto& sample : host::samples()) {
            host::ReturnFile ret = host::load_return_text(sample.json, std::string(sample.name));
            report::LivePage live(cls, ret.data);
            set_variants(live.page());
            live.page().before_print();
            expect_inside(live.page(), std::string(cls.name) + " with " + std::string(sample.name));
        }
    }
}

TEST(Render, Pit37Page1PdfReadsBackAtItsBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    host::ReturnFile ret = host::load_return_text(host::find_sample("pit37")->json, "pit37");
    auto& r = ret.data.rekdek;
    r.nip = "5260250274";
    r.ident_pesel = false;
    r.podatnik.nazw = "Wąsowicz";
    r.malzonek.nazw = "Przybyszewska";
    // The NIP spaced in box 1, the year in box 5, the surnames in B.1 and B.2.
    testing::expect_words_in_fields("TF_w37181", ret.data,
                                    {{"5", "poz1"},
                                     {"7", "poz1"},
                                     {"2", "poz5"},
                                     {"8", "poz5"},
                                     {"Wąsowicz", "poz11"},
                                     {"Przybyszewska", "poz23"}});

    // The NIP prints character by character: "5" "2" "6" "-" ... in box 1
    // (whose own caption has a "/" of one character too).
    report::LivePage live(*pages::find_page_class("TF_w37181"), ret.data);
    live.page().before_print();
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    platform::write_pdf(live.page(), buf);
    const auto& s = live.page().settings;
    report::Rect poz1;
    ASSERT_TRUE(pages::form_of(live.page().layout().form).area("poz1", poz1));
    QString nip;
    for (const auto& w : testing::pdf_words(buf.data(), s.margin_left_mm, s.margin_top_mm))
        if (QRectF(poz1.left, poz1.top, poz1.width, poz1.height).contains(w.box) && w.text.size() == 1 && w.text != "/")
            nip += w.text;
    EXPECT_EQ(nip.toStdString(), "526-025-02-74");
}

TEST(Render, UserScanReplacesTheDrawnBackground) {
    QTemporaryDir dir;
    QImage scan(40, 60, QImage::Format_RGB32);
    scan.fill(QColor(255, 0, 0));
    ASSERT_TRUE(scan.save(dir.filePath("TF_w37181.png")));
    qputenv("DEK2018_SCANS", dir.path().toUtf8());
    HostData data;
    report::LivePage live(*pages::find_page_class("TF_w37181"), data);
    const QImage img = platform::render_image(live.page(), 30);
    qunsetenv("DEK2018_SCANS");
    // The scan is stretched into the image rectangle: a spot of the sheet that
    // no field or label covers is red.
    const auto& s = live.page().settings;
    const auto dots = [](double mm) { return static_cast<int>(mm / 25.4 * 30); };
    const QPoint spot(dots(s.margin_left_mm + 700 * report::kMmPerPixel),
                      dots(s.margin_top_mm + 300 * report::kMmPerPixel));
    EXPECT_EQ(img.pixelColor(spot), QColor(255, 0, 0));
    const QImage drawn = platform::render_image(live.page(), 30);
    EXPECT_EQ(drawn.pixelColor(spot), QColor(0xe8, 0xe8, 0xe8));  // the drawn sheet's tint
}

}  // namespace
}  // namespace dek
