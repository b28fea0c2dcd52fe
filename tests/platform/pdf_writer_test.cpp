// The PDF writer's drawing read back by other programs: clips and colours as
// poppler and MuPDF rasterise them, glyphs of a face without TrueType outlines
// drawn as shapes where Qt paints them, the document information as poppler
// reads it.
#include <gtest/gtest.h>

#include <QFile>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

#include "platform/pdf_document.h"

namespace dek {
namespace {

// Page units are points from the top-left corner, y downwards.
const QTransform kPoints(1, 0, 0, -1, 0, 842);

struct Reader {
    const char* name;
    QStringList (*args)(const QString& pdf, const QString& out);
};

// The first page at 72 dots per inch: one pixel per point.
const Reader kReaders[] = {
    {"pdftoppm",
     [](const QString& pdf, const QString& out) {
         return QStringList{"-r", "72", "-png", "-singlefile", pdf, out.chopped(4)};
     }},
    {"mutool",
     [](const QString& pdf, const QString& out) { return QStringList{"draw", "-q", "-r", "72", "-o", out, pdf, "1"}; }},
};

QImage raster(const Reader& reader, const QByteArray& pdf) {
    QTemporaryDir dir;
    QFile f(dir.filePath("p.pdf"));
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(pdf);
    f.close();
    const QString out = dir.filePath("p.png");
    QProcess::execute(QString::fromLatin1(reader.name), reader.args(f.fileName(), out));
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString write_file(const QTemporaryDir& dir, const QByteArray& pdf) {
    QFile f(dir.filePath("p.pdf"));
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(pdf);
    return f.fileName();
}

TEST(PdfWriter, ClipsAndColoursReadBackAsDrawn) {
    platform::PdfFaces faces;
    platform::PdfDocument doc(faces, {.title = "t"});
    platform::PdfPage& page = doc.new_page();
    page.set_matrix(kPoints);
    page.begin_clip(QRectF(150, 150, 50, 50));
    page.fill_rect(QRectF(100, 100, 200, 200), QColor(255, 0, 0));
    page.end_clip();
    // The colour is set again after the clip's end took its state back.
    page.fill_rect(QRectF(400, 100, 50, 50), QColor(255, 0, 0));
    page.fill_rect(QRectF(400, 300, 50, 50), QColor(128, 128, 128));
    page.outlined_rect(QRectF(100, 400, 100, 100), QColor(0, 0, 255), 4);
    page.line(QPointF(300, 600), QPointF(500, 600), 6);
    const QByteArray pdf = doc.finish();

    struct Probe {
        QPoint at;
        QColor want;
    };
    const Probe probes[] = {
        {{175, 175}, Qt::red},    // inside the clip
        {{120, 120}, Qt::white},  // the same rectangle, outside the clip
        {{290, 290}, Qt::white},  //
        {{425, 125}, Qt::red},    // after the clip
        {{425, 325}, QColor(128, 128, 128)},
        {{150, 450}, Qt::blue},   // the outlined rectangle's fill
        {{100, 450}, Qt::black},  // its outline, on the edge
        {{150, 499}, Qt::black},  //
        {{400, 600}, Qt::black},  // the line
        {{400, 605}, Qt::white},  //
        {{298, 600}, Qt::white},  // flat ends
    };
    int readers = 0;
    for (const Reader& reader : kReaders) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(reader.name)).isEmpty()) continue;
        ++readers;
        SCOPED_TRACE(reader.name);
        const QImage image = raster(reader, pdf);
        ASSERT_EQ(image.size(), QSize(595, 842));
        for (const Probe& p : probes) {
            const QColor got = image.pixelColor(p.at);
            EXPECT_LE(std::abs(got.red() - p.want.red()) + std::abs(got.green() - p.want.green()) +
                          std::abs(got.blue() - p.want.blue()),
                      6)
                << p.at.x() << "," << p.at.y() << ": " << got.name().toStdString();
        }
    }
    if (readers == 0) GTEST_SKIP() << "neither poppler-utils nor mupdf-tools installed";
}

// The dark pixels of an image: how many and their bounding rectangle.
struct Ink {
    int count = 0;
    QRect box;
};
Ink ink_of(const QImage& image) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ++ink.count;
                ink.box |= QRect(x, y, 1, 1);
            }
    return ink;
}

TEST(PdfWriter, GlyphsOfAFaceWithoutTrueTypeOutlinesAreDrawnAsShapes) {
    // A face of PostScript outlines (CFF), which the writer does not embed.
    const QRawFont cff(QStringLiteral("/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf"), 150);
    if (!cff.isValid()) GTEST_SKIP() << "fonts-urw-base35 not installed";
    const QList<quint32> glyphs = cff.glyphIndexesForString(QStringLiteral("Hgą"));
    ASSERT_EQ(glyphs.size(), 3);
    QList<QPointF> positions;
    double x = 50;
    for (const QPointF& a : cff.advancesForGlyphIndexes(glyphs)) {
        positions << QPointF(x, 400);
        x += a.x();
    }
    QGlyphRun run;
    run.setRawFont(cff);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);

    platform::PdfFaces faces;
    platform::PdfDocument doc(faces, {.title = "t"});
    platform::PdfPage& page = doc.new_page();
    page.set_matrix(kPoints);
    page.glyphs(run);
    const QByteArray pdf = doc.finish();
    EXPECT_FALSE(pdf.contains("/FontFile")) << "a face embedded";

    QImage painted(595, 842, QImage::Format_RGB32);
    painted.fill(Qt::white);
    {
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    const Ink want = ink_of(painted);
    ASSERT_GT(want.count, 1000);
    int readers = 0;
    for (const Reader& reader : kReaders) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(reader.name)).isEmpty()) continue;
        ++readers;
        SCOPED_TRACE(reader.name);
        const Ink got = ink_of(raster(reader, pdf));
        EXPECT_NEAR(got.count, want.count, want.count / 20);
        for (const auto& [a, b] : {std::pair{got.box.left(), want.box.left()},
                                   {got.box.top(), want.box.top()},
                                   {got.box.right(), want.box.right()},
                                   {got.box.bottom(), want.box.bottom()}})
            EXPECT_NEAR(a, b, 1);
    }
    if (readers == 0) GTEST_SKIP() << "neither poppler-utils nor mupdf-tools installed";
}

TEST(PdfWriter, DocumentInformationInPdfDocEncodingWhenTheTextAllows) {
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty()) GTEST_SKIP() << "poppler-utils not installed";
    struct Case {
        const char* title;
        const char* written;  // how the Info dictionary's title starts
    };
    const Case cases[] = {
        {"PIT-37 2018", "/Title (PIT-37 2018)"},
        // Ł, ł, quotation marks, dashes and per mille are PDFDocEncoding's;
        // parentheses and the backslash escaped.
        {"Ółówek (zł) \\ „x” – 5‰", "/Title (\\323\\233\\363wek \\(z\\233\\) \\\\ \\214x\\216 \\205 5\\213)"},
        // ę and ś are not.
        {"Zeznanie — część A", "/Title <FEFF005A"},
    };
    for (const Case& c : cases) {
        const QString title = QString::fromUtf8(c.title);
        SCOPED_TRACE(c.title);
        platform::PdfFaces faces;
        platform::PdfDocument doc(faces, {.title = title, .pdfa = true});
        doc.new_page();
        const QByteArray pdf = doc.finish();
        EXPECT_TRUE(pdf.contains(c.written));
        EXPECT_TRUE(pdf.contains("/Creator (dek2018) /Producer (dek2018)"));
        QTemporaryDir dir;
        const QString file = write_file(dir, pdf);
        EXPECT_TRUE(run("pdfinfo", {"-enc", "UTF-8", file})
                        .contains(QRegularExpression("^Title: +" + QRegularExpression::escape(title) + "$",
                                                     QRegularExpression::MultilineOption)));
        EXPECT_TRUE(run("pdfinfo", {"-meta", file}).contains(">" + title.toHtmlEscaped() + "</rdf:li>"));
    }
}

}  // namespace
}  // namespace dek
