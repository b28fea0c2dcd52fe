// The attachment pages: their names, report settings, band and background
// rectangle as the page catalogue gives them, so that a scan laid into the
// image lines up with the labels designed over it, and the variant fields of
// those printed once for each person with the only values a job gives them.
#include <gtest/gtest.h>

#include <map>
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
    };
    const Case cases[] = {
        {"TF_wo18_1", "Wo18_1", "F_wo18_1", "QR_o_1", {1, 1, 777, 1090}, 37},
        {"TF_wo18_2", "Wo18_2", "F_wo18_2", "QR_o_2", {3, 3, 777, 1090}, 26},
        {"TF_wo18_3", "Wo18_3", "F_wo18_3", "QR_o_3", {1, 1, 777, 1090}, 24},
        {"TF_wo18_4", "Wo18_4", "F_wo18_4", "QR_o_4", {1, 1, 777, 1090}, 16},
        {"TF_wd18_1", "Wd18_1", "F_wd18_1", "QR_d_1", {1, 1, 777, 1090}, 26},
        {"TF_wd18_2", "Wd18_2", "F_wd18_2", "QR_d_2", {1, 1, 777, 1090}, 13},
        {"TF_w2k18_1", "W2k18_1", "F_w2k18_1", "QR_2k_1", {1, 1, 776, 1093}, 22},
        {"TF_wb18_1", "Wb18_1", "F_wb18_1", "QR_b_1", {1, 1, 776, 1090}, 29},
        // The catalogue counts 32: two more would be design samples that no
        // fill procedure sets, and no design sample may reach paper.
        {"TF_wb18_2", "Wb18_2", "F_wb18_2", "QR_b_2", {1, 1, 777, 1090}, 30},
        {"TF_wm18_1", "Wm18_1", "F_wm18_1", "QR_m_1", {1, 1, 777, 1090}, 55},
        {"TF_wz18_1", "Wz18_1", "F_wz18_1", "QR_z_1", {1, 1, 777, 1090}, 22},
        {"TF_wz18_2", "Wz18_2", "F_wz18_2", "QR_z_2", {1, 1, 777, 1090}, 13},
        {"TF_wzg18_1", "Wzg18_1", "F_wzg18_1", "QR_zg_1", {1, 1, 777, 1090}, 35},
        {"TF_wbr18_1", "Wbr18_1", "F_wbr18_1", "QR_br_1", {4, 1, 776, 1090}, 26},
        {"TF_wbr18_2", "Wbr18_2", "F_wbr18_2", "QR_br_2", {1, 1, 777, 1090}, 33},
        {"TF_wds18_1", "Wds18_1", "F_wds18_1", "QR_ds_1", {4, 2, 776, 1090}, 27},
        {"TF_wds18_2", "Wds18_2", "F_wds18_2", "QR_ds_2", {1, 1, 777, 1090}, 37},
    };
    // Variant fields in declaration order, with their values; the pages not
    // listed have none.
    using Values = std::map<std::string, std::vector<int>, std::less<>>;
    const std::map<std::string, std::pair<std::vector<std::string>, Values>> variants = {
        {"TF_wb18_1", {{"nrp", "nr", "ilb"}, {{"nrp", {1, 2}}, {"nr", {1, 3}}, {"ilb", {1, 2}}}}},
        {"TF_wb18_2", {{"nrp", "nr"}, {{"nrp", {1, 2}}, {"nr", {1, 4}}}}},
        {"TF_wm18_1", {{"nrp"}, {{"nrp", {1, 2}}}}},
        {"TF_wz18_1", {{"nrp"}, {{"nrp", {1, 2}}}}},
        {"TF_wz18_2", {{"nrp"}, {{"nrp", {1, 2}}}}},
        {"TF_wzg18_1", {{"nrp"}, {{"nrp", {1, 2}}}}},
        {"TF_wbr18_1", {{"nrp"}, {{"nrp", {1, 2}}}}},
        {"TF_wbr18_2", {{"nrp"}, {{"nrp", {1, 2}}}}},
        {"TF_wds18_1", {{"nrp"}, {{"nrp", {1, 2}}}}},
        {"TF_wds18_2", {{"nrp"}, {{"nrp", {1, 2}}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cls);
        const report::Layout& l = pages::layout_of(c.unit);
        EXPECT_EQ(l.class_name, c.cls);
        EXPECT_EQ(l.module_var, c.var);
        EXPECT_EQ(l.report_name, c.report);
        const auto v = variants.find(c.cls);
        EXPECT_EQ(l.variant_fields, v == variants.end() ? std::vector<std::string>{} : v->second.first);
        EXPECT_EQ(l.variant_values, v == variants.end() ? Values{} : v->second.second);
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
        const int first = v == variants.end() ? 0 : 1;  // the first person and set
        testing::FilledPage p(c.cls, d, first, first, first);
        const report::Rect& img = p.page().QRI_obr_str.rect;
        EXPECT_EQ(img.left, c.image.left);
        EXPECT_EQ(img.top, c.image.top);
        EXPECT_EQ(img.height, c.image.height);
    }
}

// A per-person page reads its records at `nrp` (and a PIT/B page at its set
// `nr`): filled for any value no job gives (a page whose variant was never
// set) it stops with an error instead of reading outside the record, and the
// page is freed.
TEST(AttachmentPages, VariantNoJobGivesStopsTheFill) {
    struct Case {
        const char* cls;
        int nrp, nr;
    };
    std::vector<Case> cases;
    for (const char* cls : {"TF_wm18_1", "TF_wz18_1", "TF_wz18_2", "TF_wzg18_1", "TF_wbr18_1", "TF_wbr18_2",
                            "TF_wds18_1", "TF_wds18_2", "TF_wb18_1", "TF_wb18_2"})
        for (int nrp : {0, 3, -1}) cases.push_back({cls, nrp, 1});
    for (int nr : {0, 2, 4, 5}) cases.push_back({"TF_wb18_1", 1, nr});
    for (int nr : {0, 2, 3, 7}) cases.push_back({"TF_wb18_2", 2, nr});
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.cls << " nrp " << c.nrp << " nr " << c.nr);
        HostData d = testing::joint_couple();
        const report::PageClass* pc = pages::find_page_class(c.cls);
        ASSERT_NE(pc, nullptr);
        {
            report::LivePage live(*pc, d);
            live.page().nrp = c.nrp;
            live.page().nr = c.nr;
            live.page().ilb = 1;
            EXPECT_THROW(live.page().before_print(), std::out_of_range);
        }
        EXPECT_EQ(pc->live(), nullptr);
    }
}

}  // namespace
}  // namespace dek
