#include <gtest/gtest.h>

#include "tests/pages/attachment_cases.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

HostData pitd_return() {
    HostData d;
    auto& r = d.rekdek;
    r.sp_opod = 1;
    r.d_kas = 2164.56;
    r.d_bez_pokr = 0;
    r.d_odl_pod_og = 2164.56;
    r.d_odl_pod28 = 0;
    r.d_odl_pod36 = 2164.56;
    r.d_wn_odl = dane_wnd{false, true, 0, 0, 1082.28, 1082.28};
    r.d_wn_pod = dane_wnd{false, true, 0, 0, 1500, 664.56};
    return d;
}

TEST(Wd18_2, DeductionsFromTax) {
    HostData d = pitd_return();
    d.rekdek.d_bez_pokr = 1234567.891;
    FilledPage p("TF_wd18_2", d);
    EXPECT_EQ(p.printed("QRL_kas"), "2.164,56");
    EXPECT_EQ(p.printed("QRL_bez_pokr"), "1.234.567,89");
    EXPECT_EQ(p.printed("QRL_odl_pod_og"), "2.164,56");
    EXPECT_EQ(p.printed("QRL_odl_pod28"), "0,00");
    EXPECT_EQ(p.printed("QRL_odl_pod36"), "2.164,56");
}

// Each request fills its own rows by its own flags; the request C.2.1 prints
// in the labels named like page 1's B.1.1 and never in B.3.1's.
TEST(Wd18_2, RequestRowsFollowTheirFlags) {
    struct Case {
        bool jest28, jest36;
        const char *p28, *m28, *p36, *m36;
    };
    const Case cases[] = {
        {false, false, "", "", "", ""},
        {true, false, "700,00", "0,00", "", ""},
        {false, true, "", "", "1.082,28", "1.082,29"},
        {true, true, "700,00", "0,00", "1.082,28", "1.082,29"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "jest28 " << c.jest28 << " jest36 " << c.jest36);
        const dane_wnd filled{c.jest28, c.jest36, 700, 0, 1082.28, 1082.29};
        const dane_wnd none{false, false, 1, 2, 3, 4};
        {
            HostData d = pitd_return();
            d.rekdek.d_wn_odl = filled;
            d.rekdek.d_wn_pod = none;
            FilledPage p("TF_wd18_2", d);
            EXPECT_EQ(p.printed("QRL_ods28p1"), c.p28);
            EXPECT_EQ(p.printed("QRL_ods28m1"), c.m28);
            EXPECT_EQ(p.printed("QRL_ods36p1"), c.p36);
            EXPECT_EQ(p.printed("QRL_ods36m1"), c.m36);
            for (const char* n : {"QRL_ods28p", "QRL_ods28m", "QRL_ods36p", "QRL_ods36m"})
                EXPECT_EQ(p.printed(n), "") << n;
        }
        {
            HostData d = pitd_return();
            d.rekdek.d_wn_odl = none;
            d.rekdek.d_wn_pod = filled;
            FilledPage p("TF_wd18_2", d);
            EXPECT_EQ(p.printed("QRL_ods28p"), c.p28);
            EXPECT_EQ(p.printed("QRL_ods28m"), c.m28);
            EXPECT_EQ(p.printed("QRL_ods36p"), c.p36);
            EXPECT_EQ(p.printed("QRL_ods36m"), c.m36);
            for (const char* n : {"QRL_ods28p1", "QRL_ods28m1", "QRL_ods36p1", "QRL_ods36m1"})
                EXPECT_EQ(p.printed(n), "") << n;
        }
    }
}

// Spouses taxed separately split these deductions too: the spouse columns
// print whatever the taxation method.
TEST(Wd18_2, IndividualTaxationKeepsTheSpouseColumns) {
    for (int sp_opod : {0, 2, 3}) {
        SCOPED_TRACE(sp_opod);
        HostData d = pitd_return();
        d.rekdek.sp_opod = static_cast<byte>(sp_opod);
        d.rekdek.d_wn_odl = dane_wnd{true, false, 10, 20, 0, 0};
        d.rekdek.d_wn_pod = dane_wnd{false, true, 0, 0, 30, 40};
        FilledPage p("TF_wd18_2", d);
        EXPECT_EQ(p.printed("QRL_ods28m1"), "20,00");
        EXPECT_EQ(p.printed("QRL_ods36m"), "40,00");
        EXPECT_EQ(p.printed("QRL_ods28p1"), "10,00");
        EXPECT_EQ(p.printed("QRL_ods36p"), "30,00");
    }
}

// Every amount blanks its box and ends on the right: those of the requests
// 58 pixels wide and sized to their text, those of C, C.1 and C.2 143 pixels
// wide and fixed.
TEST(Wd18_2, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    const testing::Look request{Align::Right, true, true};
    const testing::Look amount{Align::Right, false, true};
    std::vector<testing::LabelLook> labels;
    for (const char* n : {"QRL_ods28p1", "QRL_ods28m1", "QRL_ods36p1", "QRL_ods36m1", "QRL_ods28p", "QRL_ods28m",
                          "QRL_ods36p", "QRL_ods36m"})
        labels.push_back({n, request});
    for (const char* n : {"QRL_kas", "QRL_bez_pokr", "QRL_odl_pod_og", "QRL_odl_pod28", "QRL_odl_pod36"}) {
        labels.push_back({n, amount});
        const report::Element* e = testing::designed_element("Wd18_2", n);
        ASSERT_NE(e, nullptr) << n;
        EXPECT_EQ(e->rect.width, 143) << n;
    }
    testing::expect_label_looks("Wd18_2", labels);
    testing::expect_placed("Wd18_2", {
                                         {"QRL_ods28p1", 533, 99, 58},
                                         {"QRL_ods28m1", 673, 99, 58},
                                         {"QRL_kas", 592, 220, 143, 17},
                                         {"QRL_ods28p", 546, 520, 58},
                                         {"QRL_ods28m", 686, 520, 58},
                                     });
}

}  // namespace
}  // namespace dek
