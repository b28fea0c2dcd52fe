// PIT/B, PIT/M and PIT/Z, the attachments printed once for each person:
// names, band and background as the page catalogue gives them, and the
// variant fields with the only values a print job gives them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

TEST(PersonAttachmentPages, NamesVariantsAndBackgroundAsCatalogued) {
    using Values = std::map<std::string, std::vector<int>, std::less<>>;
    struct Case {
        const char *cls, *unit, *var, *report;
        std::vector<std::string> variants;
        Values values;
        report::Rect image;
        std::size_t labels;
    };
    const Case cases[] = {
        {"TF_wb18_1",
         "Wb18_1",
         "F_wb18_1",
         "QR_b_1",
         {"nrp", "nr", "ilb"},
         {{"nrp", {1, 2}}, {"nr", {1, 3}}, {"ilb", {1, 2}}},
         {1, 1, 776, 1090},
         29},
        // The catalogue counts 32: two more are design samples no fill
        // procedure sets, which must never reach paper.
        {"TF_wb18_2",
         "Wb18_2",
         "F_wb18_2",
         "QR_b_2",
         {"nrp", "nr"},
         {{"nrp", {1, 2}}, {"nr", {1, 4}}},
         {1, 1, 777, 1090},
         30},
        {"TF_wm18_1", "Wm18_1", "F_wm18_1", "QR_m_1", {"nrp"}, {{"nrp", {1, 2}}}, {1, 1, 777, 1090}, 55},
        {"TF_wz18_1", "Wz18_1", "F_wz18_1", "QR_z_1", {"nrp"}, {{"nrp", {1, 2}}}, {1, 1, 777, 1090}, 22},
        {"TF_wz18_2", "Wz18_2", "F_wz18_2", "QR_z_2", {"nrp"}, {{"nrp", {1, 2}}}, {1, 1, 777, 1090}, 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cls);
        ASSERT_NE(pages::find_page_class(c.cls), nullptr);
        const report::Layout& l = pages::layout_of(c.unit);
        EXPECT_EQ(l.class_name, c.cls);
        EXPECT_EQ(l.module_var, c.var);
        EXPECT_EQ(l.report_name, c.report);
        EXPECT_EQ(l.variant_fields, c.variants);
        EXPECT_EQ(l.variant_values, c.values);
        EXPECT_EQ(l.band, (report::Rect{8, 11, 779, 1100}));
        EXPECT_EQ(l.image, c.image);
        EXPECT_DOUBLE_EQ(l.settings.margin_top_mm, 3.0);
        EXPECT_DOUBLE_EQ(l.settings.margin_bottom_mm, 3.0);
        EXPECT_DOUBLE_EQ(l.settings.margin_left_mm, 2.0);
        EXPECT_DOUBLE_EQ(l.settings.margin_right_mm, 2.0);
        EXPECT_EQ(l.elements.size(), c.labels);
        for (const auto& e : l.elements) EXPECT_EQ(e.kind, report::ElementKind::Label) << e.name;
    }
}

// Every sample caption is replaced or cleared: a return without any of these
// attachments' data prints no design caption, only its own identifiers and
// zero amounts where a box always takes one.
TEST(PersonAttachmentPages, NoDesignCaptionReachesPaper) {
    struct Case {
        const char* cls;
        int nrp, nr, ilb;
    };
    const Case cases[] = {
        {"TF_wb18_1", 1, 1, 1}, {"TF_wb18_1", 2, 3, 2}, {"TF_wb18_2", 1, 1, 0}, {"TF_wb18_2", 2, 4, 0},
        {"TF_wm18_1", 1, 0, 0}, {"TF_wm18_1", 2, 0, 0}, {"TF_wz18_1", 1, 0, 0}, {"TF_wz18_2", 2, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.cls << " nrp " << c.nrp << " nr " << c.nr);
        HostData d;
        testing::FilledPage p(c.cls, d, c.nrp, c.nr, c.ilb);
        for (const report::Element& e : p.page().DB_dane.elements) {
            if (!e.enabled || e.caption.empty() || e.caption == "0,00" || e.caption == "0") continue;
            // What is left: the attachment count, the cover of "numer PESEL"
            // and the "nie" marks of section E.
            EXPECT_TRUE(e.name == "QRL_ilzalb" || e.name == "QRL_kas_pes" || e.name == "QRL_22" || e.name == "QRL_32")
                << e.name << " prints \"" << e.caption << "\"";
        }
    }
}

}  // namespace
}  // namespace dek
