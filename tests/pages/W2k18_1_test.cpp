#include <gtest/gtest.h>

#include "tests/pages/attachment_cases.h"
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

// A year of 0 is none given and leaves its box empty; an amount of 0 prints.
TEST(W2k18_1, YearsOfZeroStayEmptyAmountsPrintEvenWhenZero) {
    HostData d = pit2k_return();
    d.rekdek.rok1_2k = 0;
    d.rekdek.rok2_2k = 1999;
    d.rekdek.rok3_2k = 0;
    d.rekdek.kw1_2k = 0;
    d.rekdek.kw2_2k = 0.001;
    d.rekdek.kw3_2k = 0;
    FilledPage p("TF_w2k18_1", d);
    EXPECT_EQ(p.printed("QRL_rok1"), "");
    EXPECT_EQ(p.printed("QRL_rok2"), "1999");
    EXPECT_EQ(p.printed("QRL_rok3"), "");
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

// The covers of both boxes carry the bare words "NIP" and "numer PESEL".
TEST(W2k18_1, IdentifierBoxesByNipOrPesel) {
    testing::expect_identifier_boxes("TF_w2k18_1", pit2k_return(), "numer PESEL", "numer PESEL");
}

// Everything on the form's ground except the covers, which start off and
// print on white; names centred in fixed boxes, the squares' marks centred in
// the mark font, amounts ending on the right, years from the left. The form
// has no box for the tax year, and the page no label for it.
TEST(W2k18_1, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    const testing::Look left{Align::Left};
    const testing::Look cover{Align::Left, true, true, false, FontClass::SmallStrike};
    const testing::Look name{};
    const testing::Look square{Align::Center, true, false, true, FontClass::Mark};
    const testing::Look amount{Align::Right};
    testing::expect_label_looks(
        "W2k18_1", {
                       {"QRL_nip", left},       {"QRL_kas_nip", cover},  {"QRL_kas_pes", cover}, {"QRL_nip1", left},
                       {"QRL_kas_nip1", cover}, {"QRL_kas_pes1", cover}, {"QRL_nazw", name},     {"QRL_im", name},
                       {"QRL_dur", name},       {"QRL_nazw1", name},     {"QRL_im1", name},      {"QRL_dur1", name},
                       {"QRL_bud", square},     {"QRL_wkl", square},     {"QRL_zak", square},    {"QRL_nadb", square},
                       {"QRL_kw1", amount},     {"QRL_kw2", amount},     {"QRL_rok1", left},     {"QRL_rok2", left},
                       {"QRL_rok3", left},      {"QRL_kw3", amount},
                   });
}

TEST(W2k18_1, TellingRectangles) {
    testing::expect_placed("W2k18_1", {
                                          {"QRL_nip", 90, 37, 190, 17},
                                          {"QRL_nip1", 451, 37, 190, 17},
                                          {"QRL_kas_nip", 142, 25},
                                          {"QRL_kas_pes", 170, 25},
                                          {"QRL_kas_nip1", 502, 25},
                                          {"QRL_kas_pes1", 530, 25},
                                          {"QRL_nazw", 96, 282, 230, 17},
                                          {"QRL_bud", 30, 416},
                                          {"QRL_wkl", 30, 437},
                                          {"QRL_zak", 30, 472},
                                          {"QRL_nadb", 30, 508},
                                          {"QRL_kw1", 361, 576, 130},
                                          {"QRL_kw2", 164, 640, 130},
                                          {"QRL_rok1", 426, 673, 73},
                                          {"QRL_rok2", 656, 671, 73},
                                          {"QRL_rok3", 327, 709, 73},
                                          {"QRL_kw3", 552, 712, 130},
                                      });
}

}  // namespace
}  // namespace dek
