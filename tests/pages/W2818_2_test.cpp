#include <gtest/gtest.h>

#include <map>
#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit28_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::pit28_return;

HostData deductions() {
    HostData d = pit28_return();
    rek28_t& r = d.rek28;
    r.zus = 9783.24;
    r.zus_zagr = 12.5;
    r.o_prz = 8321.6;
    r.prz_po_odl = 461511.6;
    r.odl_ods = 3126;
    r.prz_po_ods = 458385.6;
    r.odl_prz_d = 3580;
    r.odl_og = 24810.84;
    for (int k = 1; k <= 7; ++k) {
        r.prz[k] = 100 * k + 0.25;
        r.podst_op[k] = 10000 * k;
    }
    return d;
}

// Poz. 73 is both loss fields together.
TEST(W2818_2, LossesOfPastYearsAddBothFields) {
    struct Case {
        double str, str_dod;
        const char* printed;
    };
    const Case cases[] = {{1000.5, 200.25, "1.200,75"}, {0, 350.1, "350,10"}, {4321.09, 0, "4.321,09"}, {0, 0, "0,00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed);
        HostData d = deductions();
        d.rek28.str = c.str;
        d.rek28.str_dod = c.str_dod;
        FilledPage p("TF_w2818_2", d);
        EXPECT_EQ(p.printed("QRL_str"), c.printed);
    }
}

TEST(W2818_2, DeductionsAndAmountsByRate) {
    HostData d = deductions();
    FilledPage p("TF_w2818_2", d);
    const std::map<std::string, std::string> section_d = {
        {"QRL_zus", "9.783,24"},          {"QRL_zus_zagr", "12,50"},   {"QRL_o_prz", "8.321,60"},
        {"QRL_prz_po_odl", "461.511,60"}, {"QRL_odl_ods", "3.126,00"}, {"QRL_prz_po_ods", "458.385,60"},
        {"QRL_odl_prz_d", "3.580,00"},    {"QRL_odl_og", "24.810,84"},
    };
    for (const auto& [name, text] : section_d) EXPECT_EQ(p.printed(name), text) << name;
    // E with grosze, F in whole złoty; index 7 (art. 17) in poz. 90 and 99.
    for (int k = 1; k <= 7; ++k) {
        const std::string c = std::to_string(k);
        EXPECT_EQ(p.printed("QRL_prz" + c), c + "00,25");
        EXPECT_EQ(p.printed("QRL_podst_op" + c), c + "0.000");
    }
    EXPECT_EQ(p.element("QRL_prz7").field, "poz90");
    EXPECT_EQ(p.element("QRL_podst_op7").field, "poz99");
}

TEST(W2818_2, LabelsAreRightAlignedAmountsAtTheRightEdge) {
    using report::Align;
    testing::expect_label_looks("W2818_2", testing::Look{Align::Right, true}, {});
    testing::expect_placed("W2818_2", {{"QRL_str", 674, 93},
                                       {"QRL_odl_og", 674, 386},
                                       {"QRL_prz1", 675, 487},
                                       {"QRL_prz5", 675, 659},
                                       {"QRL_prz7", 675, 722},
                                       {"QRL_podst_op1", 676, 822},
                                       {"QRL_podst_op5", 676, 978},
                                       {"QRL_podst_op7", 676, 1041}});
    for (const auto& e : pages::layout_of("W2818_2").elements)
        EXPECT_EQ(e.amount_decimals, e.name.starts_with("QRL_podst_op") ? 0 : 2) << e.name;
}

}  // namespace
}  // namespace dek
