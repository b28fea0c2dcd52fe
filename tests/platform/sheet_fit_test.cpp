// Fitting a sheet into a printer's printable area: the rule over a table of
// printers, the drawn extent it is given, and the placement of the PDF.
#include "platform/sheet_fit.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <string>

#include "pages/page_classes.h"
#include "platform/render.h"
#include "report/page_class.h"
#include "tests/platform/pdf_words.h"

namespace dek {
namespace {

using platform::PrinterPaper;
using platform::SheetFit;

constexpr double kPt = 25.4 / 72.0;  // millimetres per point
constexpr double kPx = report::kMmPerPixel;

// A4 as printers state it, 595 x 842 pt, with margins in millimetres.
PrinterPaper a4(double left, double top, double right, double bottom) {
    const QSizeF size(595 * kPt, 842 * kPt);
    return PrinterPaper{size, QRectF(QPointF(left, top), QPointF(size.width() - right, size.height() - bottom))};
}

// PIT-37 page 2 as designed: its sheet (1, 1, 777 x 1098 band pixels) on a
// band at 2 mm from the left and 3 mm from the top of the paper.
const QRectF kSheet(2 + 1 * kPx, 3 + 1 * kPx, 777 * kPx, 1098 * kPx);

QRectF placed(const QRectF& r, const SheetFit& f) {
    return QRectF(f.dx_mm + f.scale * r.left(), f.dy_mm + f.scale * r.top(), f.scale * r.width(), f.scale * r.height());
}

struct FitCase {
    const char* name;
    QRectF drawn;
    PrinterPaper paper;
    enum { AsDesigned, Fitted, Refused } expect;
    double scale = 1.0;  // for Fitted
};

TEST(SheetFit, EveryPrinterGetsTheLargestCentredSheetItsPrintableAreaTakes) {
    const double h = 842 * kPt - 12.7;  // printable height with 12.7 mm at the bottom
    const FitCase cases[] = {
        {"prints to the edge", kSheet, a4(0, 0, 0, 0), FitCase::AsDesigned},
        {"margins the sheet keeps clear of", kSheet, a4(2, 3, 2, 3), FitCase::AsDesigned},
        {"a drawing beyond the paper, a printable area stated beyond it", QRectF(-2, -2, 214, 301), a4(-5, -5, -5, -5),
         FitCase::Fitted, 595 * kPt / 214},
        // 12 pt all round: the width binds, 571.28 pt for 777 band pixels.
        {"4.2 mm all round", kSheet, a4(12 * kPt, 12 * kPt, 12 * kPt, 12 * kPt), FitCase::Fitted,
         (595 - 24) * kPt / (777 * kPx)},
        {"12.7 mm at the bottom only", kSheet, a4(0, 0, 0, 12.7), FitCase::Fitted, h / (1098 * kPx)},
        // 290.5 mm of sheet under a 4.2 mm top margin: moved down, not shrunk.
        {"a top margin the sheet's height still fits", kSheet, a4(0, 4.2, 0, 0), FitCase::Fitted, 1.0},
        {"a small drawing is moved in, never enlarged", QRectF(1, 1, 50, 30), a4(4.2, 4.2, 4.2, 4.2), FitCase::Fitted,
         1.0},
        {"a left margin wider than the paper", kSheet, a4(250, 0, 0, 0), FitCase::Refused},
        {"side margins that meet", kSheet, a4(595 * kPt / 2, 0, 595 * kPt / 2, 0), FitCase::Refused},
        {"a printable area that takes the sheet only below half size", kSheet, a4(110, 0, 0, 0), FitCase::Refused},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<SheetFit> fit = platform::fit_sheet(c.drawn, c.paper);
        if (c.expect == FitCase::Refused) {
            EXPECT_FALSE(fit.has_value());
            continue;
        }
        ASSERT_TRUE(fit.has_value());
        if (c.expect == FitCase::AsDesigned) {
            EXPECT_TRUE(fit->identity());
            continue;
        }
        EXPECT_NEAR(fit->scale, c.scale, 1e-9);
        // Inside the printable part of the paper and centred in it.
        const QRectF area = c.paper.printable.intersected(QRectF(QPointF(0, 0), c.paper.size));
        const QRectF r = placed(c.drawn, *fit);
        EXPECT_GE(r.left(), area.left() - 1e-9);
        EXPECT_GE(r.top(), area.top() - 1e-9);
        EXPECT_LE(r.right(), area.right() + 1e-9);
        EXPECT_LE(r.bottom(), area.bottom() + 1e-9);
        EXPECT_NEAR(r.left() - area.left(), area.right() - r.right(), 1e-9);
        EXPECT_NEAR(r.top() - area.top(), area.bottom() - r.bottom(), 1e-9);
    }
}

report::PageReport& pit37_page2(HostData& data, std::optional<report::LivePage>& live) {
    live.emplace(*pages::find_page_class("TF_w37182"), data);
    return live->page();
}

TEST(SheetFit, DrawnExtentIsTheSheetAndEveryElementThatPrints) {
    HostData data;
    std::optional<report::LivePage> live;
    report::PageReport& page = pit37_page2(data, live);
    // As designed every element lies on the sheet.
    const QRectF sheet = platform::drawn_extent(page);
    EXPECT_NEAR(sheet.left(), kSheet.left(), 1e-9);
    EXPECT_NEAR(sheet.top(), kSheet.top(), 1e-9);
    EXPECT_NEAR(sheet.right(), kSheet.right(), 1e-9);
    EXPECT_NEAR(sheet.bottom(), kSheet.bottom(), 1e-9);

    // A fixed-size label moved below the sheet, in each of its states.
    report::Element* e = page.DB_dane.find("QRL_pp11");
    ASSERT_NE(e, nullptr);
    e->auto_size = false;
    e->field.clear();
    e->rect = report::Rect{100, 1110, 58, 17};
    struct State {
        const char* name;
        bool enabled;
        bool opaque;
        const char* caption;
        bool counts;
    };
    const State states[] = {
        {"enabled with a text", true, false, "1,00", true},
        {"enabled, opaque and empty: blanks its rectangle", true, true, "", true},
        {"enabled, transparent and empty: draws nothing", true, false, "", false},
        {"disabled", false, true, "1,00", false},
    };
    for (const State& s : states) {
        SCOPED_TRACE(s.name);
        e->enabled = s.enabled;
        e->opaque = s.opaque;
        e->caption = s.caption;
        const QRectF r = platform::drawn_extent(page);
        EXPECT_NEAR(r.bottom(), s.counts ? 3 + 1127 * kPx : kSheet.bottom(), 1e-9);
        EXPECT_NEAR(r.left(), kSheet.left(), 1e-9);
    }
}

// The PDF of a sheet drawn with a fit: every word where the fit puts the
// word of the sheet as designed.
TEST(SheetFit, PdfPlacesEveryWordByTheFit) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData data;
    std::optional<report::LivePage> live;
    const report::PageReport& page = pit37_page2(data, live);
    const auto words_of = [&](const platform::RenderOptions& options) {
        QBuffer buf;
        buf.open(QIODevice::WriteOnly);
        platform::write_pdf(page, buf, options);
        // Boxes in band pixels from the paper's corner; words that occur once.
        QMap<QString, QRectF> once;
        QMap<QString, int> count;
        for (const auto& w : testing::pdf_words(buf.data(), 0, 0)) {
            once[w.text] = w.box;
            ++count[w.text];
        }
        for (auto it = count.begin(); it != count.end(); ++it)
            if (it.value() > 1) once.remove(it.key());
        return once;
    };
    const SheetFit fit{0.9, 7.5, 12.25};
    const auto designed = words_of({});
    const auto fitted = words_of(platform::RenderOptions{.fit = fit});
    ASSERT_GT(designed.size(), 50);
    int compared = 0;
    for (auto it = designed.begin(); it != designed.end(); ++it) {
        if (!fitted.contains(it.key())) continue;
        const QRectF& a = it.value();
        const QRectF& b = fitted[it.key()];
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_NEAR(b.left(), fit.dx_mm / kPx + fit.scale * a.left(), 0.05);
        EXPECT_NEAR(b.top(), fit.dy_mm / kPx + fit.scale * a.top(), 0.05);
        EXPECT_NEAR(b.right(), fit.dx_mm / kPx + fit.scale * a.right(), 0.05);
        EXPECT_NEAR(b.bottom(), fit.dy_mm / kPx + fit.scale * a.bottom(), 0.05);
        ++compared;
    }
    EXPECT_EQ(compared, designed.size());
}

}  // namespace
}  // namespace dek
