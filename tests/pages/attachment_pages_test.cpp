// The seven attachment pages shared by the returns (PIT/O, PIT/D, PIT-2K):
// their names, report settings, band and background rectangle as the page
// catalogue gives them, so that a scan laid into the image lines up with the
// labels designed over it.
#include <gtest/gtest.h>

#include <string>

#include "pages/page_classes.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

TEST(AttachmentPages, NamesBandAndBackgroundAsCatalogued) {
    struct Case {
        const char *cls, *unit, *var, *report;
        report::Rect image;
        std::size_t labels;
    };
    const Case cases[] = {
        {"TF_wo18_1", "Wo18_1", "F_wo18_1", "QR_o_1", {1, 1, 777, 1090}, 37},
        {"TF_wo18_2", "Wo18_2", "F_wo18_2", "QR_o_2", {3, 3, 777, 1090}, 26},
        {"TF_wo18_3", "Wo18_3", "F_wo18_3", "QR_o_3", {1, 1, 777, 1090}, 24},
        {"TF_wo18_4", "Wo18_4", "F_wo18_4", "QR_o_4", {1, 1, 777, 1090}, 16},
        {"TF_wd18_1", "Wd18_1", "F_wd18_1", "QR_d_1", {1, 1, 777, 1090}, 26},
        {"TF_wd18_2", "Wd18_2", "F_wd18_2", "QR_d_2", {1, 1, 777, 1090}, 13},
        {"TF_w2k18_1", "W2k18_1", "F_w2k18_1", "QR_2k_1", {1, 1, 776, 1093}, 22},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cls);
        const report::Layout& l = pages::layout_of(c.unit);
        EXPECT_EQ(l.class_name, c.cls);
        EXPECT_EQ(l.module_var, c.var);
        EXPECT_EQ(l.report_name, c.report);
        EXPECT_TRUE(l.variant_fields.empty());
        EXPECT_EQ(l.band, (report::Rect{8, 11, 779, 1100}));
        EXPECT_EQ(l.image, c.image);
        EXPECT_DOUBLE_EQ(l.settings.margin_top_mm, 3.0);
        EXPECT_DOUBLE_EQ(l.settings.margin_bottom_mm, 3.0);
        EXPECT_DOUBLE_EQ(l.settings.margin_left_mm, 2.0);
        EXPECT_DOUBLE_EQ(l.settings.margin_right_mm, 2.0);
        EXPECT_EQ(l.elements.size(), c.labels);
        for (const auto& e : l.elements) EXPECT_EQ(e.kind, report::ElementKind::Label) << e.name;

        // Created, the image keeps its place and height; only its width
        // follows the band.
        HostData d;
        testing::FilledPage p(c.cls, d);
        const report::Rect& img = p.page().QRI_obr_str.rect;
        EXPECT_EQ(img.left, c.image.left);
        EXPECT_EQ(img.top, c.image.top);
        EXPECT_EQ(img.height, c.image.height);
    }
}

}  // namespace
}  // namespace dek
