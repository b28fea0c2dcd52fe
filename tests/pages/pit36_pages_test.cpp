// PIT-36 pages as the page catalogue gives them: class, unit, module variable
// and report names, margins, band, background rectangle (and the drawn sheet
// laid into it), element count; no page has a field that a job sets.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "pages/page_classes.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

std::ostream& operator<<(std::ostream& s, const report::Rect& r) {
    return s << r.left << ',' << r.top << ' ' << r.width << 'x' << r.height;
}

// One line of what the unit's description says about the whole page.
std::string catalogue_row(const char* unit) {
    const report::Layout& l = pages::layout_of(unit);
    const report::ReportSettings& m = l.settings;
    std::ostringstream s;
    s << l.class_name << ' ' << l.unit << ' ' << l.module_var << ' ' << l.report_name << " margins " << m.margin_top_mm
      << ' ' << m.margin_bottom_mm << ' ' << m.margin_left_mm << ' ' << m.margin_right_mm << " band " << l.band
      << " image " << l.image << " sheet " << pages::form_of(l.form).sheet << " elements " << l.elements.size()
      << " variants " << l.variant_fields.size();
    return s.str();
}

TEST(Pit36Pages, PagesOneToThreeAsCatalogued) {
    EXPECT_EQ(catalogue_row("W36181"),
              "TF_w36181 W36181 F_w36181 QR_36_1 margins 3 3 2 2 band 8,11 779x1100 image 2,0 777x1090"
              " sheet 2,0 777x1090 elements 45 variants 0");  // 44 labels and the memo
    EXPECT_EQ(catalogue_row("W36182"),
              "TF_w36182 W36182 F_w36182 QR_36_2 margins 3 3 2 2 band 8,11 779x1100 image 1,1 777x1090"
              " sheet 1,1 777x1090 elements 78 variants 0");
    // Page 3 has 1 mm side margins and a band 4 pixels further left.
    EXPECT_EQ(catalogue_row("W36183"),
              "TF_w36183 W36183 F_w36183 QR_36_3 margins 3 3 1 1 band 4,11 786x1100 image 1,1 781x1090"
              " sheet 1,1 781x1090 elements 72 variants 0");
}

// An empty return taxed jointly: the fills of pages 2 and 3 set or clear
// every label, so no design sample reaches the paper; amounts print as zero,
// squares and years stay empty.
TEST(Pit36Pages, EmptyJointReturnPrintsNoDesignSampleOnPagesTwoAndThree) {
    for (const char* cls : {"TF_w36182", "TF_w36183"}) {
        SCOPED_TRACE(cls);
        HostData d;
        d.rekdek.sp_opod = 1;
        testing::FilledPage p(cls, d);
        for (const auto& e : p.page().DB_dane.elements)
            EXPECT_TRUE(e.caption.empty() || e.caption == "0,00" || e.caption == "0") << e.name << " " << e.caption;
    }
}

}  // namespace
}  // namespace dek
