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

HostData tax() {
    HostData d = pit28_return();
    rek28_t& r = d.rek28;
    r.prz_po_odl1 = 454806;
    for (int k = 1; k <= 7; ++k) r.pod[k] = 1000 * k + 0.07;
    r.pod_gbl = 35190.31;
    r.dol_rycz = 11.1;
    r.pod_zagr = 22.2;
    r.rycz_po_dol = 35179.21;
    r.zdr = 3306.12;
    r.zdr_zagr = 33.3;
    r.odl_o = 700;
    r.r_po_odl = 31173.09;
    r.odl_pm = 620;
    r.pod_zrycz = 30553;
    r.pod_zwol = 1234;
    r.wpl_rycz = 27126;
    r.do_zapl = 3438;
    r.nadpl = 17;
    return d;
}

TEST(W2818_3, TaxInWholeZlotyOnlyWhereTheFormSays) {
    HostData d = tax();
    FilledPage p("TF_w2818_3", d);
    const std::map<std::string, std::string> want = {
        {"QRL_prz_po_odl1", "454.806"},   {"QRL_pod_gbl", "35.190,31"},
        {"QRL_dol_rycz", "11,10"},        {"QRL_pod_zagr", "22,20"},
        {"QRL_rycz_po_dol", "35.179,21"}, {"QRL_zdr", "3.306,12"},
        {"QRL_zdr_zagr", "33,30"},        {"QRL_odl_o", "700,00"},
        {"QRL_r_po_odl", "31.173,09"},    {"QRL_odl_pm", "620,00"},
        {"QRL_pod_zrycz", "30.553"},      {"QRL_wpl_rycz", "27.126"},
        {"QRL_do_zapl", "3.438"},         {"QRL_nadpl", "17"},
    };
    for (const auto& [name, text] : want) EXPECT_EQ(p.printed(name), text) << name;
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(p.printed("QRL_pod" + std::to_string(k)), std::to_string(k) + ".000,07");
    EXPECT_EQ(p.element("QRL_pod7").field, "poz109");
}

// Poz. 120 and 121 only for a year after 2000: the year in plain digits.
TEST(W2818_3, ExemptYearAndItsTwentyPercent) {
    struct Case {
        int rok_zw;
        const char *year, *amount;
    };
    const Case cases[] = {{2016, "2016", "1.234"}, {2001, "2001", "1.234"}, {2000, "", ""}, {0, "", ""}, {-5, "", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rok_zw);
        HostData d = tax();
        d.rek28.rok_zw = c.rok_zw;
        FilledPage p("TF_w2818_3", d);
        EXPECT_EQ(p.printed("QRL_rok_zw"), c.year);
        EXPECT_EQ(p.printed("QRL_pod_zwol"), c.amount);
    }
}

// Poz. 122: one square always marked, "nie" for every code but 0 and 1.
TEST(W2818_3, ExemptionSquareByCode) {
    struct Case {
        int zw;
        const char *all, *part, *none;
    };
    const Case cases[] = {{0, "x", "", ""}, {1, "", "x", ""}, {2, "", "", "x"}, {255, "", "", "x"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zw);
        HostData d = tax();
        d.rek28.zw = static_cast<byte>(c.zw);
        FilledPage p("TF_w2818_3", d);
        EXPECT_EQ(p.printed("QRL_zw_ca"), c.all);
        EXPECT_EQ(p.printed("QRL_zw_cz"), c.part);
        EXPECT_EQ(p.printed("QRL_zw_nie"), c.none);
    }
}

TEST(W2818_3, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    testing::expect_label_looks("W2818_3", {Align::Right, true}, {{"QRL_rok_zw", {Align::Left, true}}});
    testing::expect_placed("W2818_3", {{"QRL_prz_po_odl1", 690, 32},
                                       {"QRL_pod1", 161, 154},
                                       {"QRL_pod2", 252, 154},
                                       {"QRL_pod3", 341, 154},
                                       {"QRL_pod4", 434, 154},
                                       {"QRL_pod5", 609, 154},
                                       {"QRL_pod6", 700, 154},
                                       {"QRL_pod7", 690, 186},
                                       {"QRL_rok_zw", 516, 616},
                                       {"QRL_pod_zwol", 654, 615},
                                       {"QRL_zw_ca", 134, 683},
                                       {"QRL_zw_cz", 367, 683},
                                       {"QRL_zw_nie", 618, 683},
                                       {"QRL_nadpl", 690, 817}});
}

}  // namespace
}  // namespace dek
