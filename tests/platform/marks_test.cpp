// The "x" marks of the squares: the ink of every mark, as it comes out in a
// rendered image, lies inside its square's border on every page.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>

#include "pages/page_classes.h"
#include "platform/render.h"
#include "report/page.h"

namespace dek {
namespace {

constexpr int kDpi = 600;
constexpr double kDotsPerPixel = kDpi / 96.0;  // image dots per band pixel

// The part of the sheet around `box` (band pixels) at kDpi, painted as the
// page prints.
QImage render_around(const report::PageReport& page, const QRectF& box) {
    const QRectF around = box.adjusted(-6, -6, 6, 6);
    QImage img(static_cast<int>(around.width() * kDotsPerPixel), static_cast<int>(around.height() * kDotsPerPixel),
               QImage::Format_RGB32);
    img.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254));
    img.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254));
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double mm = kDpi / 25.4;  // dots per millimetre
    painter.translate(-(page.settings.margin_left_mm * mm + around.left() * kDotsPerPixel),
                      -(page.settings.margin_top_mm * mm + around.top() * kDotsPerPixel));
    platform::paint_page(painter, page);
    painter.end();
    return img;
}

TEST(Marks, EveryMarksInkLiesInsideItsSquareOnEveryPage) {
    int marks = 0;
    for (const auto& cls : pages::page_classes()) {
        HostData data;
        report::LivePage live(cls, data);
        report::PageReport& page = live.page();
        const report::FormDescription& form = pages::form_of(page.layout().form);
        for (report::Element& e : page.DB_dane.elements) {
            if (e.field.empty() || !form.is_square(e.field)) continue;
            SCOPED_TRACE(std::string(cls.name) + " " + e.name);
            report::Rect r;
            ASSERT_TRUE(form.area(e.field, r));
            const QRectF square(r.left, r.top, r.width, r.height);
            const std::string mark = e.caption.empty() ? "x" : e.caption;
            const bool enabled = e.enabled;
            e.enabled = true;
            e.caption = mark;
            const QImage with = render_around(page, square);
            e.caption.clear();
            const QImage without = render_around(page, square);
            e.caption = mark;
            e.enabled = enabled;
            // The ink is what the mark adds to the picture (where it falls on
            // the black border it adds nothing, so it must keep clear of it):
            // the border is drawn 0.8 px wide over the square's edge, and the
            // ink keeps a pixel away from its inner side.
            const QRectF inside = square.adjusted(1.4, 1.4, -1.4, -1.4);
            int ink = 0;
            for (int y = 0; y < with.height(); ++y) {
                for (int x = 0; x < with.width(); ++x) {
                    if (with.pixel(x, y) == without.pixel(x, y)) continue;
                    ++ink;
                    const QPointF at(square.left() - 6 + (x + 0.5) / kDotsPerPixel,
                                     square.top() - 6 + (y + 0.5) / kDotsPerPixel);
                    EXPECT_TRUE(inside.contains(at)) << mark << " inks " << at.x() << "," << at.y()
                                                     << " outside the square at " << r.left << "," << r.top;
                    if (!inside.contains(at)) break;
                }
            }
            EXPECT_GT(ink, 0) << "the mark left no ink";
            ++marks;
        }
    }
    EXPECT_GT(marks, 0) << "no page has a square";
}

}  // namespace
}  // namespace dek
