// The attachment pages: their names, report settings, band and background
// rectangle as the page catalogue gives them, so that a scan laid into the
// image lines up with the labels designed over it. The pages printed once per
// person take the variant field `nrp`, with the only values a job gives it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

TEST(AttachmentPages, NamesBandAndBackgroundAsCatalogued) {
    struct Case {
        const char *cls, *unit, *var, *report;
        report::Rect image;
        std::size_t labels;
        bool per_person = false;
    };
    const Case cases[] = {
        {"TF_wo18_1", "Wo18_1", "F_wo18_1", "QR_o_1", {1, 1, 777, 1090}, 37},
        {"TF_wo18_2", "Wo18_2", "F_wo18_2", "QR_o_2", {3, 3, 777, 1090}, 26},
        {"TF_wo18_3", "Wo18_3", "F_wo18_3", "QR_o_3", {1, 1, 777, 1090}, 24},
        {"TF_wo18_4", "Wo18_4", "F_wo18_4", "QR_o_4", {1, 1, 777, 1090}, 16},
        {"TF_wd18_1", "Wd18_1", "F_wd18_1", "QR_d_1", {1, 1, 777, 1090}, 26},
        {"TF_wd18_2", "Wd18_2", "F_wd18_2", "QR_d_2", {1, 1, 777, 1090}, 13},
        {"TF_w2k18_1", "W2k18_1", "F_w2k18_1", "QR_2k_1", {1, 1, 776, 1093}, 22},
        {"TF_wzg18_1", "Wzg18_1", "F_wzg18_1", "QR_zg_1", {1, 1, 777, 1090}, 35, true},
        {"TF_wbr18_1", "Wbr18_1", "F_wbr18_1", "QR_br_1", {4, 1, 776, 1090}, 26, true},
        {"TF_wbr18_2", "Wbr18_2", "F_wbr18_2", "QR_br_2", {1, 1, 777, 1090}, 33, true},
        {"TF_wds18_1", "Wds18_1", "F_wds18_1", "QR_ds_1", {4, 2, 776, 1090}, 27, true},
        {"TF_wds18_2", "Wds18_2", "F_wds18_2", "QR_ds_2", {1, 1, 777, 1090}, 37, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cls);
        const report::Layout& l = pages::layout_of(c.unit);
        EXPECT_EQ(l.class_name, c.cls);
        EXPECT_EQ(l.module_var, c.var);
        EXPECT_EQ(l.report_name, c.report);
        if (c.per_person) {
            EXPECT_EQ(l.variant_fields, std::vector<std::string>{"nrp"});
            EXPECT_EQ(l.variant_values.at("nrp"), (std::vector<int>{1, 2}));
        } else {
            EXPECT_TRUE(l.variant_fields.empty());
        }
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
        testing::FilledPage p(c.cls, d, c.per_person ? 1 : 0);
        const report::Rect& img = p.page().QRI_obr_str.rect;
        EXPECT_EQ(img.left, c.image.left);
        EXPECT_EQ(img.top, c.image.top);
        EXPECT_EQ(img.height, c.image.height);
    }
}

// A per-person page reads its records at `nrp`: filled for any other person
// number (a page whose variant was never set) it stops with an error instead
// of reading outside the two persons' blocks, and the page is freed.
TEST(AttachmentPages, PerPersonPageForNoValidPersonStopsTheFill) {
    for (const char* cls : {"TF_wzg18_1", "TF_wbr18_1", "TF_wbr18_2", "TF_wds18_1", "TF_wds18_2"}) {
        for (int nrp : {0, 3, -1}) {
            SCOPED_TRACE(::testing::Message() << cls << " nrp " << nrp);
            HostData d = testing::joint_couple();
            const report::PageClass* pc = pages::find_page_class(cls);
            ASSERT_NE(pc, nullptr);
            {
                report::LivePage live(*pc, d);
                live.page().nrp = nrp;
                EXPECT_THROW(live.page().before_print(), std::out_of_range);
            }
            EXPECT_EQ(pc->live(), nullptr);
        }
    }
}

}  // namespace
}  // namespace dek
