#include <gtest/gtest.h>

#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

HostData pit2k_return() {
    HostData d = testing::joint_couple();
    auto& r = d.rekdek;
    r.inw_2k = 0;
    r.kw1_2k = 412350;
    r.kw2_2k = 298740.15;
    r.rok1_2k = 2004;
    r.rok2_2k = 2006;
    r.rok3_2k = 2005;
    r.kw3_2k = 240000;
    return d;
}

TEST(W2k18_1, JointReturnPrintsBothPersonsAndTheInvestment) {
    HostData d = pit2k_return();
    FilledPage p("TF_w2k18_1", d);
    EXPECT_EQ(p.printed("QRL_nip"), "6 8 3 - 2 1 3 - 4 5 - 7 6");
    EXPECT_EQ(p.printed("QRL_kas_pes"), "numer PESEL");
    EXPECT_EQ(p.printed("QRL_kas_nip"), "<disabled>");
    EXPECT_EQ(p.printed("QRL_nip1"), "8 1 0 3 2 7 0 8 7 4 8");
    EXPECT_EQ(p.printed("QRL_kas_nip1"), "NIP");
    EXPECT_EQ(p.printed("QRL_kas_pes1"), "<disabled>");
    EXPECT_EQ(p.printed("QRL_nazw"), "Wąsowicz");
    EXPECT_EQ(p.printed("QRL_im"), "Grzegorz");
    EXPECT_EQ(p.printed("QRL_dur"), "14-09-1978");
    EXPECT_EQ(p.printed("QRL_nazw1"), "Wąsowicz-Przybyszewska");
    EXPECT_EQ(p.printed("QRL_im1"), "Małgorzata");
    EXPECT_EQ(p.printed("QRL_dur1"), "27-03-1981");
    EXPECT_EQ(p.printed("QRL_kw1"), "412.350,00");
    EXPECT_EQ(p.printed("QRL_kw2"), "298.740,15");
    EXPECT_EQ(p.printed("QRL_kw3"), "240.000,00");
    // Years print whole, not spread over character cells.
    EXPECT_EQ(p.printed("QRL_rok1"), "2004");
    EXPECT_EQ(p.printed("QRL_rok2"), "2006");
    EXPECT_EQ(p.printed("QRL_rok3"), "2005");
}

TEST(W2k18_1, KindOfInvestmentMarksOneSquare) {
    const char* const squares[] = {"QRL_bud", "QRL_wkl", "QRL_zak", "QRL_nadb"};
    for (int code : {0, 1, 2, 3, 4, 255}) {
        SCOPED_TRACE(code);
        HostData d = pit2k_return();
        d.rekdek.inw_2k = static_cast<byte>(code);
        FilledPage p("TF_w2k18_1", d);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(p.printed(squares[i]), i == code ? "x" : "") << squares[i];
    }
}

// A year is never left empty: 0 prints "0" like any other year.
TEST(W2k18_1, YearsAndAmountsPrintEvenWhenZero) {
    HostData d = pit2k_return();
    d.rekdek.rok1_2k = 0;
    d.rekdek.rok2_2k = 1999;
    d.rekdek.rok3_2k = 0;
    d.rekdek.kw1_2k = 0;
    d.rekdek.kw2_2k = 0.001;
    d.rekdek.kw3_2k = 0;
    FilledPage p("TF_w2k18_1", d);
    EXPECT_EQ(p.printed("QRL_rok1"), "0");
    EXPECT_EQ(p.printed("QRL_rok2"), "1999");
    EXPECT_EQ(p.printed("QRL_rok3"), "0");
    EXPECT_EQ(p.printed("QRL_kw1"), "0,00");
    EXPECT_EQ(p.printed("QRL_kw2"), "0,00");
    EXPECT_EQ(p.printed("QRL_kw3"), "0,00");
}

TEST(W2k18_1, IndividualTaxationLeavesTheSpouseBlank) {
    for (int sp_opod : {0, 2, 3}) {
        SCOPED_TRACE(sp_opod);
        HostData d = pit2k_return();
        d.rekdek.sp_opod = static_cast<byte>(sp_opod);
        d.rekdek.ident_pesel = true;
        FilledPage p("TF_w2k18_1", d);
        EXPECT_EQ(p.printed("QRL_nip"), "7 8 0 9 1 4 1 2 3 5 2");
        EXPECT_EQ(p.printed("QRL_kas_nip"), "NIP");
        EXPECT_EQ(p.printed("QRL_kas_pes"), "<disabled>");
        EXPECT_EQ(p.printed("QRL_nip1"), "<disabled>");
        EXPECT_EQ(p.caption("QRL_nip1"), "");
        EXPECT_FALSE(p.enabled("QRL_kas_nip1"));
        EXPECT_FALSE(p.enabled("QRL_kas_pes1"));
        for (const char* n : {"QRL_nazw1", "QRL_im1", "QRL_dur1"}) EXPECT_EQ(p.printed(n), "") << n;
        EXPECT_EQ(p.printed("QRL_nazw"), "Wąsowicz");
    }
}

}  // namespace
}  // namespace dek
