// The PDF writer of the sheets against the painter: every page written
// directly reads back with the words the painter's own PDF output holds, at
// the same places, and looks the same but for antialiasing; a document shares
// its faces between its pages; a renderer carries nothing of one sheet into
// the next.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <string>

#include "host/return_file.h"
#include "host/samples.h"
#include "pages/page_classes.h"
#include "platform/render.h"
#include "tests/platform/pdf_words.h"

namespace dek {
namespace {

// The sample that prints a page class: its own return's for the returns'
// pages, PIT-36's (which has every attachment but PIT-28's) for the others.
std::string sample_of(std::string_view page_class) {
    if (page_class.starts_with("TF_w37")) return "pit37";
    if (page_class.starts_with("TF_w36l")) return "pit36l";
    if (page_class.starts_with("TF_w28")) return "pit28";
    return "pit36";
}

void set_variants(report::PageReport& page) {
    if (page.has_variant("nrp")) page.nrp = 1;
    if (page.has_variant("nr")) page.nr = 1;
    if (page.has_variant("ilb")) page.ilb = 1;
    if (page.has_variant("nrsp")) page.nrsp = 1;
}

// The page painted through Qt's PDF writer, as paint_page paints on any device.
QByteArray painted_pdf(const report::PageReport& page) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter painter(&writer);
    platform::paint_page(painter, page);
    painter.end();
    return pdf;
}

QByteArray written_pdf(platform::PageRenderer& renderer, const report::PageReport& page) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    renderer.write_pdf(page, buffer);
    return pdf;
}

// The first page of a PDF in grey at `dpi` dots per inch.
QImage raster(const QByteArray& pdf, int dpi) {
    QTemporaryDir dir;
    QFile f(dir.filePath("p.pdf"));
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(pdf);
    f.close();
    QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-gray", "-f", "1", "-l", "1", "-singlefile",
                                   f.fileName(), dir.filePath("p")});
    return QImage(dir.filePath("p.pgm"));
}

int largest_difference(const QImage& a, const QImage& b) {
    if (a.isNull() || a.size() != b.size()) return 256;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            largest = std::max(largest, std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))));
    return largest;
}

// The PDF without what tells one writing from another: its date and identifier.
QByteArray without_date(QByteArray pdf) {
    static const QRegularExpression date(R"(/CreationDate \(D:\d+Z\))");
    static const QRegularExpression id(R"(/ID \[<[0-9a-f]+> <[0-9a-f]+>\])");
    return QString::fromLatin1(pdf).remove(date).remove(id).toLatin1();
}

TEST(SheetPdf, EveryPageReadsBackAndLooksAsThePainterPaintsIt) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    platform::PageRenderer renderer;
    for (const auto& cls : pages::page_classes()) {
        SCOPED_TRACE(std::string(cls.name));
        const std::string sample = sample_of(cls.name);
        host::ReturnFile ret = host::load_return_text(host::find_sample(sample)->json, sample);
        report::LivePage live(cls, ret.data);
        set_variants(live.page());
        live.page().before_print();
        const QByteArray painted = painted_pdf(live.page());
        const QByteArray written = written_pdf(renderer, live.page());

        // The same words, each where the painter put it, to a hundredth of a point.
        const auto& s = live.page().settings;
        const auto want = testing::pdf_words(painted, s.margin_left_mm, s.margin_top_mm);
        const auto got = testing::pdf_words(written, s.margin_left_mm, s.margin_top_mm);
        ASSERT_FALSE(want.empty());
        ASSERT_EQ(got.size(), want.size());
        constexpr double kHundredthPt = 0.01 / 72 * 25.4 / report::kMmPerPixel;  // in band pixels
        for (std::size_t i = 0; i < want.size(); ++i) {
            EXPECT_EQ(got[i].text, want[i].text);
            const QRectF& a = got[i].box;
            const QRectF& b = want[i].box;
            EXPECT_LT(std::max({std::abs(a.left() - b.left()), std::abs(a.top() - b.top()),
                                std::abs(a.right() - b.right()), std::abs(a.bottom() - b.bottom())}),
                      kHundredthPt)
                << want[i].text.toStdString();
        }
        // The same picture but for antialiasing: a glyph or a line out of
        // place, or a wrong glyph, would differ by far more.
        EXPECT_LE(largest_difference(raster(written, 50), raster(painted, 50)), 96);
    }
}

TEST(SheetPdf, DocumentEmbedsEachFaceOnceAndKeepsEveryPage) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    host::ReturnFile ret = host::load_return_text(host::find_sample("pit37")->json, "pit37");
    platform::PageRenderer renderer;
    std::unique_ptr<platform::PdfDocument> document = renderer.pdf_document({.title = "PIT-37 2018"});
    std::vector<QByteArray> sheets;
    for (const char* name : {"TF_w37181", "TF_w37182"}) {
        report::LivePage live(*pages::find_page_class(name), ret.data);
        live.page().before_print();
        ASSERT_TRUE(renderer.draw_pdf_page(*document, live.page()));
        sheets.push_back(written_pdf(renderer, live.page()));
    }
    const QByteArray pdf = document->finish();
    EXPECT_EQ(document->pages(), 2);
    // Both pages show Liberation Sans and its bold: two font programs, not four.
    EXPECT_EQ(pdf.count("/FontFile2"), 2);
    // Each page reads back as its sheet does.
    QTemporaryDir dir;
    QFile f(dir.filePath("d.pdf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(pdf);
    f.close();
    for (int page = 1; page <= 2; ++page) {
        QProcess extract;
        extract.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), f.fileName(), "-"});
        extract.waitForFinished();
        QTemporaryDir one;
        QFile g(one.filePath("s.pdf"));
        ASSERT_TRUE(g.open(QIODevice::WriteOnly));
        g.write(sheets[static_cast<std::size_t>(page - 1)]);
        g.close();
        QProcess sheet;
        sheet.start("pdftotext", {g.fileName(), "-"});
        sheet.waitForFinished();
        EXPECT_EQ(extract.readAllStandardOutput(), sheet.readAllStandardOutput()) << "page " << page;
    }
}

TEST(SheetPdf, RendererCarriesNothingFromOneSheetIntoTheNext) {
    host::ReturnFile ret = host::load_return_text(host::find_sample("pit36")->json, "pit36");
    // One live page of a class at a time: its unit's variable holds it.
    auto write = [&](platform::PageRenderer& renderer, const char* name) {
        report::LivePage live(*pages::find_page_class(name), ret.data);
        live.page().before_print();
        return without_date(written_pdf(renderer, live.page()));
    };
    platform::PageRenderer fresh;
    const QByteArray alone = write(fresh, "TF_w36181");
    // A renderer that has written other pages, and this one, first.
    platform::PageRenderer used;
    for (const char* name : {"TF_w36182", "TF_wo18_1", "TF_w36181", "TF_w36183"}) write(used, name);
    EXPECT_EQ(write(used, "TF_w36181"), alone);
}

}  // namespace
}  // namespace dek
