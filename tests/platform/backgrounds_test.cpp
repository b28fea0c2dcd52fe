// The user's own backgrounds (DEK2018_SCANS): the Ministry's PDF pages,
// stood in for by PDFs of our own drawn sheets and small hand-made PDFs, and
// scans; what cannot be used is named in a notice and the drawn background
// serves.
#include "platform/backgrounds.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "host/return_file.h"
#include "host/samples.h"
#include "pages/page_classes.h"
#include "platform/render.h"
#include "tests/platform/pdf_words.h"

namespace dek {
namespace {

// DEK2018_SCANS set for the life of the object.
class ScansFolder {
public:
    ScansFolder() { qputenv("DEK2018_SCANS", dir_.path().toUtf8()); }
    ~ScansFolder() { qunsetenv("DEK2018_SCANS"); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private:
    QTemporaryDir dir_;
};

// A renderer whose notices are kept.
struct Renderer {
    platform::PageRenderer renderer;
    std::vector<std::string> notices;
    Renderer() {
        renderer.set_notice([this](const std::string& line) { notices.push_back(line); });
    }
    QByteArray pdf(const report::PageReport& page, bool pdfa = false) {
        std::unique_ptr<platform::PdfDocument> doc = renderer.pdf_document({.title = "t", .pdfa = pdfa});
        EXPECT_TRUE(renderer.draw_pdf_page(*doc, page));
        return renderer.finish_pdf(*doc);
    }
};

// The sheets of page classes in one document, filled from `data`.
QByteArray document_of(platform::PageRenderer& renderer, HostData& data, const std::vector<const char*>& classes) {
    std::unique_ptr<platform::PdfDocument> doc = renderer.pdf_document({.title = "t"});
    for (const char* name : classes) {
        report::LivePage live(*pages::find_page_class(name), data);
        live.page().before_print();
        EXPECT_TRUE(renderer.draw_pdf_page(*doc, live.page()));
    }
    return renderer.finish_pdf(*doc);
}

// What an empty return's sheets look like, drawn: the stand-in for the
// Ministry's pages.
QByteArray empty_sheets(const std::vector<const char*>& classes) {
    HostData empty;
    platform::PageRenderer renderer;
    return document_of(renderer, empty, classes);
}

// A one-page A4 PDF drawing `content`, with `resources`, xref and all.
QByteArray tiny_pdf(const std::string& content, const std::string& resources = "<<>>") {
    std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources " + resources + " /Contents 4 0 R >>",
        "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "\nendstream",
    };
    std::string out = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t o : offsets) {
        char line[21];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", o);
        out += line;
    }
    out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return QByteArray::fromStdString(out);
}

const report::PageReport& filled(report::LivePage& live) {
    live.page().before_print();
    return live.page();
}

bool has_word(const std::vector<testing::PdfWord>& words, const QString& text) {
    return std::any_of(words.begin(), words.end(), [&](const testing::PdfWord& w) { return w.text == text; });
}

TEST(PdfBackgrounds, OurOwnDrawnSheetAsBackgroundPrintsAsTheDrawnSheet) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    const QByteArray background = empty_sheets({"TF_w37181"});
    host::ReturnFile ret = host::load_return_text(host::find_sample("pit37")->json, "pit37");
    report::LivePage live(*pages::find_page_class("TF_w37181"), ret.data);
    const report::PageReport& page = filled(live);
    Renderer drawn;
    const QByteArray want_pdf = drawn.pdf(page);

    ScansFolder scans;
    scans.write("TF_w37181.pdf", background);
    Renderer over;
    const QByteArray got_pdf = over.pdf(page);
    EXPECT_TRUE(over.notices.empty());
    EXPECT_EQ(got_pdf.count("/Subtype /Form"), 1);

    // Every word of the drawn sheet, the form's and the values, where it was
    // to 0.2 pt; the form's words come from the background, as text.
    const auto& s = page.settings;
    const auto want = testing::pdf_words(want_pdf, s.margin_left_mm, s.margin_top_mm);
    const auto got = testing::pdf_words(got_pdf, s.margin_left_mm, s.margin_top_mm);
    ASSERT_TRUE(has_word(want, "Identyfikator"));
    ASSERT_TRUE(has_word(want, "Wąsowicz"));
    constexpr double kTolerance = 0.2 / 72 * 25.4 / report::kMmPerPixel;  // 0.2 pt in band pixels
    for (const testing::PdfWord& w : want) {
        const bool found = std::any_of(got.begin(), got.end(), [&](const testing::PdfWord& g) {
            return g.text == w.text &&
                   std::max({std::abs(g.box.left() - w.box.left()), std::abs(g.box.top() - w.box.top()),
                             std::abs(g.box.right() - w.box.right()), std::abs(g.box.bottom() - w.box.bottom())}) <
                       kTolerance;
        });
        EXPECT_TRUE(found) << w.text.toStdString();
    }
    EXPECT_LE(got_pdf.size(), want_pdf.size() + background.size());
}

TEST(PdfBackgrounds, AFormsWholePdfServesItsPagesEachEmbeddedOnceAndAPageFileWins) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    const QByteArray whole = empty_sheets({"TF_w37181", "TF_w37182", "TF_w37183", "TF_w37184"});
    const QByteArray first = empty_sheets({"TF_w37181"});
    ScansFolder scans;
    scans.write("PIT-37(25).pdf", whole);
    // Page 4's own file is a drawn page 1: it wins over the form's page 4.
    scans.write("TF_w37184.pdf", first);
    HostData data;
    Renderer r;
    const QByteArray pdf = document_of(r.renderer, data, {"TF_w37181", "TF_w37182", "TF_w37182", "TF_w37184"});
    EXPECT_TRUE(r.notices.empty());
    // Three background pages for four sheets.
    EXPECT_EQ(pdf.count("/Subtype /Form"), 3);
    QTemporaryDir dir;
    QFile f(dir.filePath("d.pdf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(pdf);
    f.close();
    const auto page_text = [&](int n) {
        QProcess p;
        p.start("pdftotext", {"-f", QString::number(n), "-l", QString::number(n), f.fileName(), "-"});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    // Each sheet shows the page of its class; page 4 shows its own file.
    EXPECT_TRUE(page_text(1).contains("Identyfikator podatkowy"));
    EXPECT_TRUE(page_text(2).contains("2/4"));
    EXPECT_TRUE(page_text(3).contains("2/4"));
    EXPECT_TRUE(page_text(4).contains("1/4"));
    EXPECT_FALSE(page_text(4).contains("4/4"));
}

// A background that cannot be used: named in a notice, the drawn one serves.
struct Unusable {
    const char* name;
    const char* file;
    enum { Bytes, Fifo, Encrypted } kind;
    QByteArray bytes;
    const char* says;
};

TEST(PdfBackgrounds, AFileThatCannotBeUsedIsNamedAndTheDrawnBackgroundServes) {
    const std::vector<Unusable> cases = {
        {"not a PDF", "TF_w37181.pdf", Unusable::Bytes, "%PDF-1.4 nothing of a PDF", "not a readable PDF"},
        {"empty", "TF_w37181.pdf", Unusable::Bytes, "", "not a readable PDF"},
        {"a FIFO as a PDF", "TF_w37181.pdf", Unusable::Fifo, {}, "not a regular file"},
        {"a FIFO as a scan", "TF_w37181.png", Unusable::Fifo, {}, "not a regular file"},
        {"not an image", "TF_w37181.jpg", Unusable::Bytes, "JFIF? no", "not a readable image"},
        {"encrypted", "TF_w37181.pdf", Unusable::Encrypted, {}, "encrypted"},
        {"the form's file too short", "PIT-37(25).pdf", Unusable::Bytes, {}, "it has 1 page, TF_w37182 is page 2"},
    };
    HostData data;
    const QByteArray drawn_page = empty_sheets({"TF_w37181"});
    for (const Unusable& c : cases) {
        SCOPED_TRACE(c.name);
        ScansFolder scans;
        const QString file = scans.path(c.file);
        if (c.kind == Unusable::Fifo) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else if (c.kind == Unusable::Encrypted) {
            scans.write("plain.pdf", drawn_page);
            if (QProcess::execute("qpdf", {"--encrypt", "user", "owner", "256", "--", scans.path("plain.pdf"), file}) !=
                0)
                GTEST_SKIP() << "qpdf not installed";
        } else if (std::string(c.file) == "PIT-37(25).pdf") {
            scans.write(c.file, drawn_page);
        } else {
            scans.write(c.file, c.bytes);
        }
        const char* page_class = std::string(c.file) == "PIT-37(25).pdf" ? "TF_w37182" : "TF_w37181";
        report::LivePage live(*pages::find_page_class(page_class), data);
        Renderer r;
        const QByteArray pdf = r.pdf(filled(live));
        ASSERT_EQ(r.notices.size(), 1u);
        EXPECT_NE(r.notices[0].find(QFile::encodeName(file).toStdString()), std::string::npos) << r.notices[0];
        EXPECT_NE(r.notices[0].find(c.says), std::string::npos) << r.notices[0];
        // The drawn background, written directly.
        EXPECT_EQ(pdf.count("/Subtype /Form"), 0);
        EXPECT_GT(pdf.count("/FontFile2"), 0);
    }
}

TEST(PdfBackgrounds, AnArchiveCopyShowsTheDrawnPageInsteadOfOneItCannotTake) {
    struct Case {
        const char* name;
        QByteArray pdf;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"CMYK colour", tiny_pdf("0 0 0 1 k 100 100 200 200 re f"), "CMYK colour"},
        {"a font not embedded",
         tiny_pdf("BT /F1 12 Tf 100 700 Td (PIT) Tj ET",
                  "<< /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >> >>"),
         "the font Helvetica is not embedded"},
        {"transparency", tiny_pdf("/G1 gs 0 0 1 rg 100 100 200 200 re f", "<< /ExtGState << /G1 << /ca 0.5 >> >> >>"),
         "transparency"},
        {"a separation colour",
         tiny_pdf("/Cs1 cs 1 scn 100 100 200 200 re f",
                  "<< /ColorSpace << /Cs1 [/Separation /Spot /DeviceRGB << /FunctionType 2 /Domain [0 1] /C0 [1 1 1] "
                  "/C1 [1 0 0] /N 1 >>] >> >>"),
         "separation colour"},
    };
    HostData data;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScansFolder scans;
        scans.write("TF_w37181.pdf", c.pdf);
        report::LivePage live(*pages::find_page_class("TF_w37181"), data);
        Renderer r;
        // The print itself takes the page; the archive copy does not.
        EXPECT_EQ(r.pdf(filled(live)).count("/Subtype /Form"), 1);
        EXPECT_TRUE(r.notices.empty());
        const QByteArray archive = r.pdf(live.page(), true);
        EXPECT_EQ(archive.count("/Subtype /Form"), 0);
        ASSERT_EQ(r.notices.size(), 1u);
        EXPECT_NE(r.notices[0].find("TF_w37181.pdf"), std::string::npos) << r.notices[0];
        EXPECT_NE(r.notices[0].find(c.says), std::string::npos) << r.notices[0];
    }
    // Our own drawn page goes into an archive copy as it is.
    const QByteArray drawn_page = empty_sheets({"TF_w37181"});
    ScansFolder scans;
    scans.write("TF_w37181.pdf", drawn_page);
    report::LivePage live(*pages::find_page_class("TF_w37181"), data);
    Renderer r;
    EXPECT_EQ(r.pdf(filled(live), true).count("/Subtype /Form"), 1);
    EXPECT_TRUE(r.notices.empty());
}

// A spot of the sheet's image (30 dpi) at band pixel (x, y).
QColor spot(const QImage& img, const report::PageReport& page, double x, double y) {
    const auto& s = page.settings;
    const auto dots = [](double mm) { return static_cast<int>(mm / 25.4 * 30); };
    return img.pixelColor(dots(s.margin_left_mm + x * report::kMmPerPixel),
                          dots(s.margin_top_mm + y * report::kMmPerPixel));
}

TEST(PdfBackgrounds, ImagesAndOutlinesShowThePdfPageAndItsPlacement) {
    ScansFolder scans;
    // Red over the whole page but a white strip 0..20 mm from the top.
    scans.write("TF_w37181.pdf", tiny_pdf("1 0 0 rg 0 0 595 785.3 re f"));
    HostData data;
    report::LivePage live(*pages::find_page_class("TF_w37181"), data);
    Renderer r;
    const QImage plain = r.renderer.render_image(filled(live), 30);
    EXPECT_EQ(spot(plain, live.page(), 700, 500), QColor(255, 0, 0));
    // The outline is drawn over it.
    platform::RenderOptions outline;
    outline.outline = true;
    const QImage outlined = r.renderer.render_image(live.page(), 30, outline);
    EXPECT_EQ(spot(outlined, live.page(), 700, 500), QColor(255, 0, 0));
    EXPECT_FALSE(outlined == plain);
    EXPECT_TRUE(r.notices.empty());

    // placement.txt moves it 10 mm down: the white strip ends 30 mm from the top.
    ScansFolder moved;
    moved.write("TF_w37181.pdf", tiny_pdf("1 0 0 rg 0 0 595 785.3 re f"));
    moved.write("placement.txt", "# our printer\nTF_w37181 dy=10\nTF_w37182 dx=1 dx=2\nTF_w99 dx=1\n");
    Renderer m;
    const QImage img = m.renderer.render_image(live.page(), 30);
    const double mm = 1 / report::kMmPerPixel;
    const double band_top = -live.page().settings.margin_top_mm * mm;
    EXPECT_EQ(spot(img, live.page(), 700, band_top + 25 * mm), QColor(255, 255, 255));
    EXPECT_EQ(spot(img, live.page(), 700, band_top + 35 * mm), QColor(255, 0, 0));
    ASSERT_EQ(m.notices.size(), 2u);
    EXPECT_NE(m.notices[0].find("placement.txt, line 3 is ignored: dx is given twice"), std::string::npos)
        << m.notices[0];
    EXPECT_NE(m.notices[1].find("line 4 is ignored: \"TF_w99\" is no page class"), std::string::npos) << m.notices[1];
}

TEST(PdfBackgrounds, ThePlacementMovesTheBackgroundNotTheValues) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    const QByteArray background = empty_sheets({"TF_w37181"});
    host::ReturnFile ret = host::load_return_text(host::find_sample("pit37")->json, "pit37");
    report::LivePage live(*pages::find_page_class("TF_w37181"), ret.data);
    const report::PageReport& page = filled(live);
    const auto& s = page.settings;
    const auto top_of = [&](const QByteArray& pdf, const QString& word) {
        for (const testing::PdfWord& w : testing::pdf_words(pdf, s.margin_left_mm, s.margin_top_mm))
            if (w.text == word) return w.box;
        return QRectF();
    };
    ScansFolder plain;
    plain.write("TF_w37181.pdf", background);
    const QByteArray unmoved = Renderer().pdf(page);
    ScansFolder moved;
    moved.write("TF_w37181.pdf", background);
    moved.write("placement.txt", "TF_w37181 dx=-2 dy=3 scale=1\n");
    Renderer r;
    const QByteArray pdf = r.pdf(page);
    EXPECT_TRUE(r.notices.empty());
    const double mm = 1 / report::kMmPerPixel;
    const QRectF a = top_of(unmoved, "Identyfikator");
    const QRectF b = top_of(pdf, "Identyfikator");
    ASSERT_FALSE(a.isNull());
    EXPECT_NEAR(b.left() - a.left(), -2 * mm, 0.1);
    EXPECT_NEAR(b.top() - a.top(), 3 * mm, 0.1);
    // A value stays where it was.
    EXPECT_EQ(top_of(pdf, "Wąsowicz"), top_of(unmoved, "Wąsowicz"));
}

TEST(Scans, A600DpiScanIsTakenALargerOneIsNamed) {
    HostData data;
    report::LivePage live(*pages::find_page_class("TF_w37181"), data);
    ScansFolder scans;
    QImage scan(4961, 7016, QImage::Format_RGB32);
    scan.fill(QColor(0, 0, 255));
    ASSERT_TRUE(scan.save(scans.path("TF_w37181.png")));
    Renderer r;
    const QImage img = r.renderer.render_image(filled(live), 30);
    EXPECT_TRUE(r.notices.empty());
    EXPECT_EQ(spot(img, live.page(), 700, 300), QColor(0, 0, 255));

    ScansFolder larger;
    QImage big(5400, 7600, QImage::Format_Grayscale8);
    big.fill(0);
    ASSERT_TRUE(big.save(larger.path("TF_w37181.png")));
    Renderer l;
    const QImage drawn = l.renderer.render_image(live.page(), 30);
    ASSERT_EQ(l.notices.size(), 1u);
    EXPECT_NE(l.notices[0].find("TF_w37181.png is not used: it is 5400 x 7600 dots, more than 600 dpi"),
              std::string::npos)
        << l.notices[0];
    EXPECT_EQ(spot(drawn, live.page(), 700, 300), QColor(0xe8, 0xe8, 0xe8));  // the drawn sheet's tint
}

TEST(PdfBackgrounds, FormFilesNameTheFormAndEdition) {
    struct Case {
        const char* page_class;
        const char* file;
        int page;
    };
    for (const Case& c : {Case{"TF_w37181", "PIT-37(25).pdf", 1}, Case{"TF_w36187", "PIT-36(26).pdf", 7},
                          Case{"TF_w28a18_1", "PIT-28-A(18).pdf", 1}, Case{"TF_wo18_3", "PIT-O(23).pdf", 3},
                          Case{"TF_wds18_2", "PIT-DS(1).pdf", 2}}) {
        const auto f = platform::form_file_of(c.page_class);
        ASSERT_TRUE(f.has_value()) << c.page_class;
        EXPECT_EQ(f->name.toStdString(), c.file);
        EXPECT_EQ(f->page, c.page);
    }
    // Every page class has its form's file.
    for (const report::PageClass& cls : pages::page_classes())
        EXPECT_TRUE(platform::form_file_of(cls.name).has_value()) << cls.name;
}

}  // namespace
}  // namespace dek
