#include "platform/render.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "host/return_file.h"
#include "host/samples.h"
#include "pages/page_classes.h"

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

struct Word {
    QString text;
    double x, y;  // top-left, in points from the paper's edge
};

std::vector<Word> pdf_words(const QByteArray& pdf) {
    QTemporaryDir dir;
    const QString in = dir.filePath("p.pdf");
    const QString out = dir.filePath("p.html");
    QFile f(in);
    f.open(QIODevice::WriteOnly);
    f.write(pdf);
    f.close();
    QProcess::execute("pdftotext", {"-bbox", in, out});
    QFile h(out);
    if (!h.open(QIODevice::ReadOnly)) return {};
    const QString html = QString::fromUtf8(h.readAll());
    std::vector<Word> words;
    static const QRegularExpression re(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    for (auto it = re.globalMatch(html); it.hasNext();) {
        auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

// A band pixel of the page at 2 mm / 3 mm margins, in points.
double x_pt(double px) { return (2.0 + px * report::kMmPerPixel) / 25.4 * 72.0; }
double y_pt(double px) { return (3.0 + px * report::kMmPerPixel) / 25.4 * 72.0; }

TEST(Render, Pit37Page1PdfReadsBackAtItsBoxes) {
    if (QProcess::execute("pdftotext", {"-v"}) < 0) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    host::ReturnFile ret = host::load_return_text(host::find_sample("pit37")->json, "pit37");
    auto& r = ret.data.rekdek;
    r.nip = "5260250274";
    r.ident_pesel = false;
    r.podatnik.nazw = "Wąsowicz";
    r.malzonek.nazw = "Przybyszewska";
    const report::PageClass* cls = pages::find_page_class("TF_w37181");
    report::LivePage live(*cls, ret.data);
    live.page().before_print();
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    platform::write_pdf(live.page(), buf);
    const auto words = pdf_words(buf.data());
    ASSERT_FALSE(words.empty()) << "no text in the PDF";

    // The box (band pixels) where a word must be found.
    struct Expect {
        QString word;
        QRectF box;
    };
    const Expect expects[] = {
        {"5", QRectF(124, 36, 12, 22)},              // the NIP starts at poz. 1's value
        {"7", QRectF(124, 36, 200, 22)},             // and is spaced digit by digit
        {"2", QRectF(405, 145, 90, 36)},             // the year in box 5
        {"Wąsowicz", QRectF(6, 628, 380, 38)},       // B.1 surname
        {"Przybyszewska", QRectF(6, 802, 380, 38)},  // B.2 surname
    };
    for (const auto& ex : expects) {
        bool found = false;
        for (const auto& w : words) {
            if (w.text != ex.word) continue;
            if (w.x >= x_pt(ex.box.left()) - 0.5 && w.x <= x_pt(ex.box.right()) && w.y >= y_pt(ex.box.top()) - 0.5 &&
                w.y <= y_pt(ex.box.bottom()))
                found = true;
        }
        EXPECT_TRUE(found) << ex.word.toStdString() << " not in its box";
    }
    // The NIP prints as single characters: "5" "2" "6" "-" ...
    int digits_in_poz1 = 0;
    for (const auto& w : words)
        if (w.y >= y_pt(36) && w.y <= y_pt(58) && w.x >= x_pt(124) - 0.5 && w.x <= x_pt(330) && w.text.size() == 1)
            ++digits_in_poz1;
    EXPECT_EQ(digits_in_poz1, 13);  // ten digits and three dashes
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
    const QPoint spot(static_cast<int>(x_pt(700) / 72 * 30), static_cast<int>(y_pt(300) / 72 * 30));
    EXPECT_EQ(img.pixelColor(spot), QColor(255, 0, 0));
    const QImage drawn = platform::render_image(live.page(), 30);
    EXPECT_EQ(drawn.pixelColor(spot), QColor(0xe8, 0xe8, 0xe8));  // the drawn sheet's tint
}

}  // namespace
}  // namespace dek
