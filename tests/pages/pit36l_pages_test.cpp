// The four PIT-36L pages as the page catalogue names them, with the
// background rectangle a scan of the official page is laid into (page 3 sits
// two pixels lower than the others) and the number of elements over it.
#include <gtest/gtest.h>

#include <string>

#include "pages/page_classes.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

TEST(Pit36lPages, CataloguedNamesBackgroundsAndElements) {
    struct Case {
        const char *cls, *unit, *report;
        report::Rect image;
        std::size_t elements;
    };
    const Case cases[] = {
        {"TF_w36l18_1", "W36l18_1", "QR_36l_1", {1, 1, 781, 1090}, 34},  // 33 labels and the memo
        {"TF_w36l18_2", "W36l18_2", "QR_36l_2", {1, 1, 776, 1090}, 25},
        {"TF_w36l18_3", "W36l18_3", "QR_36l_3", {1, 3, 777, 1090}, 85},
        {"TF_w36l18_4", "W36l18_4", "QR_36l_4", {1, 1, 777, 1090}, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cls);
        const report::Layout& l = pages::layout_of(c.unit);
        EXPECT_EQ(l.class_name, c.cls);
        EXPECT_EQ(l.module_var, "F_w" + std::string(c.unit).substr(1));
        EXPECT_EQ(l.report_name, c.report);
        EXPECT_EQ(l.image, c.image);
        EXPECT_EQ(l.elements.size(), c.elements);
        EXPECT_TRUE(l.variant_fields.empty());  // the same sheet whatever the job's counters
        HostData d;
        testing::FilledPage p(c.cls, d);
        EXPECT_EQ(p.page().QRI_obr_str.rect.top, c.image.top);
        EXPECT_DOUBLE_EQ(p.page().settings.margin_left_mm, 2.0);
    }
}

}  // namespace
}  // namespace dek
