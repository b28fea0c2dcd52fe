#include <gtest/gtest.h>

#include "tests/pages/attachment_cases.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::Look;

HostData pitd_return() {
    HostData d = testing::joint_couple();
    auto& r = d.rekdek;
    r.rok = 2018;
    r.d_ods = 4218.37;
    r.d_ods28 = 0;
    r.d_ods36 = 4218.37;
    r.d_wn_ods = dane_wnd{false, true, 11, 12, 2109.19, 2109.18};
    r.d_odl_doch = 1234567.8;
    r.d_odl_bez_pokr = 0;
    r.d_odl_doch_og = 1234567.8;
    r.d_odl_doch28 = 0.004;  // rounds to zero: no minus sign, no blank box
    r.d_odl_doch36 = -15.5;
    return d;
}

TEST(Wd18_1, JointReturnPrintsBothPersonsAndTheAmounts) {
    HostData d = pitd_return();
    FilledPage p("TF_wd18_1", d);
    EXPECT_EQ(p.printed("QRL_nip"), "6 8 3 - 2 1 3 - 4 5 - 7 6");
    EXPECT_TRUE(p.enabled("QRL_kas_pes"));
    EXPECT_FALSE(p.enabled("QRL_kas_nip"));
    EXPECT_EQ(p.printed("QRL_nip1"), "8 1 0 3 2 7 0 8 7 4 8");
    EXPECT_TRUE(p.enabled("QRL_kas_nip1"));
    EXPECT_FALSE(p.enabled("QRL_kas_pes1"));
    EXPECT_EQ(p.printed("QRL_rok"), "2 0 1 8");
    EXPECT_EQ(p.printed("QRL_nazw"), "Wąsowicz");
    EXPECT_EQ(p.printed("QRL_im"), "Grzegorz");
    EXPECT_EQ(p.printed("QRL_dur"), "14-09-1978");
    EXPECT_EQ(p.printed("QRL_nazw1"), "Wąsowicz-Przybyszewska");
    EXPECT_EQ(p.printed("QRL_im1"), "Małgorzata");
    EXPECT_EQ(p.printed("QRL_dur1"), "27-03-1981");
    EXPECT_EQ(p.printed("QRL_ods"), "4.218,37");
    EXPECT_EQ(p.printed("QRL_ods28"), "0,00");
    EXPECT_EQ(p.printed("QRL_ods36"), "4.218,37");
    EXPECT_EQ(p.printed("QRL_odl_doch"), "1.234.567,80");
    EXPECT_EQ(p.printed("QRL_odl_bez_pokr"), "0,00");
    EXPECT_EQ(p.printed("QRL_odl_doch_og"), "1.234.567,80");
    EXPECT_EQ(p.printed("QRL_odl_doch28"), "0,00");
    EXPECT_EQ(p.printed("QRL_odl_doch36"), "-15,50");
}

// The covers of the two identifier boxes carry the words they strike out, with
// the trailing blanks their boxes were designed with.
TEST(Wd18_1, IdentifierBoxesByNipOrPesel) {
    testing::expect_identifier_boxes("TF_wd18_1", pitd_return(), "numer PESEL  ", "numer PESEL   ");
}

// Spouses taxed separately still split these deductions: the spouse columns
// of the request print, only poz. 2 and A.2 stay blank.
TEST(Wd18_1, IndividualTaxationKeepsTheSpouseColumnsOfTheRequest) {
    for (int sp_opod : {0, 2, 3, 200}) {
        SCOPED_TRACE(sp_opod);
        HostData d = pitd_return();
        d.rekdek.sp_opod = static_cast<byte>(sp_opod);
        d.rekdek.d_wn_ods = dane_wnd{true, true, 100, 200, 300, 0};
        FilledPage p("TF_wd18_1", d);
        EXPECT_EQ(p.printed("QRL_nip1"), "<disabled>");
        EXPECT_EQ(p.caption("QRL_nip1"), "");
        EXPECT_FALSE(p.enabled("QRL_kas_nip1"));
        EXPECT_FALSE(p.enabled("QRL_kas_pes1"));
        for (const char* n : {"QRL_nazw1", "QRL_im1", "QRL_dur1"}) EXPECT_EQ(p.printed(n), "") << n;
        EXPECT_EQ(p.printed("QRL_ods28p"), "100,00");
        EXPECT_EQ(p.printed("QRL_ods28m"), "200,00");
        EXPECT_EQ(p.printed("QRL_ods36p"), "300,00");
        EXPECT_EQ(p.printed("QRL_ods36m"), "0,00");
        EXPECT_EQ(p.printed("QRL_nazw"), "Wąsowicz");  // the taxpayer stays
    }
}

TEST(Wd18_1, RequestRowsFollowTheirFlags) {
    struct Case {
        bool jest28, jest36;
        const char *p28, *m28, *p36, *m36;
    };
    const Case cases[] = {
        {false, false, "", "", "", ""},
        {true, false, "1.500,00", "0,00", "", ""},
        {false, true, "", "", "2.109,19", "2.109,18"},
        {true, true, "1.500,00", "0,00", "2.109,19", "2.109,18"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "jest28 " << c.jest28 << " jest36 " << c.jest36);
        HostData d = pitd_return();
        d.rekdek.d_wn_ods = dane_wnd{c.jest28, c.jest36, 1500, 0, 2109.19, 2109.18};
        FilledPage p("TF_wd18_1", d);
        EXPECT_EQ(p.printed("QRL_ods28p"), c.p28);
        EXPECT_EQ(p.printed("QRL_ods28m"), c.m28);
        EXPECT_EQ(p.printed("QRL_ods36p"), c.p36);
        EXPECT_EQ(p.printed("QRL_ods36m"), c.m36);
    }
}

TEST(Wd18_1, KindOfExpensesJoinsItsThreeParts) {
    testing::expect_kind_lines(
        "TF_wd18_1", pitd_return(), "QRL_rodz_odl_doch",
        [](HostData& d, const testing::KindCase& c) {
            d.rekdek.d_rodz = {c.a, c.b, c.c};
        },
        {
            {"budowa domu", "na działce", "własnej", "budowa domu na działce własnej"},
            {"", "budowa domu", "", "budowa domu"},
            {"budowa", "", "domu", "budowa  domu"},  // an empty middle part leaves two blanks
            {"  zakup ", "lokalu ", "", "zakup  lokalu"},
            {"", "", "", ""},
            {"Ściana nośna ŻÓŁTA ĄĘ 1234567890 123456", "x", "y", "Ściana nośna ŻÓŁTA ĄĘ 1234567890 123456 x y"},
        });
}

// The design captions never reach the paper: an empty return clears every
// value label and prints zero amounts.
TEST(Wd18_1, EmptyReturnReplacesEverySampleCaption) {
    HostData d;
    d.rekdek.sp_opod = 1;
    FilledPage p("TF_wd18_1", d);
    for (const char* n : {"QRL_nip1", "QRL_nazw", "QRL_im", "QRL_dur", "QRL_nazw1", "QRL_im1", "QRL_dur1", "QRL_ods28p",
                          "QRL_ods28m", "QRL_ods36p", "QRL_ods36m", "QRL_rodz_odl_doch"})
        EXPECT_EQ(p.printed(n), "") << n;
    EXPECT_EQ(p.printed("QRL_nip"), "");
    EXPECT_EQ(p.printed("QRL_rok"), "0");
    for (const char* n : {"QRL_ods", "QRL_ods28", "QRL_ods36", "QRL_odl_doch", "QRL_odl_bez_pokr", "QRL_odl_doch_og",
                          "QRL_odl_doch28", "QRL_odl_doch36"})
        EXPECT_EQ(p.printed(n), "0,00") << n;
}

// The covers start off and print on white in the small strike-out font, the
// words "numer PESEL" on covers of fixed width; the names are centred on the
// form's ground; the amounts blank their boxes and end on the right, those of
// the request sized to their text; poz. 12 is the one amount in the serif
// face.
TEST(Wd18_1, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    const Look left{Align::Left};
    const Look cover{Align::Left, true, true, false, FontClass::SmallStrike};
    const Look wide_cover{Align::Left, false, true, false, FontClass::SmallStrike};
    const Look name{};
    const Look amount{Align::Right, false, true};
    const Look request{Align::Right, true, true};
    testing::expect_label_looks("Wd18_1", {
                                              {"QRL_nip", left},
                                              {"QRL_kas_nip", cover},
                                              {"QRL_kas_pes", wide_cover},
                                              {"QRL_nip1", left},
                                              {"QRL_kas_nip1", cover},
                                              {"QRL_kas_pes1", wide_cover},
                                              {"QRL_rok", left},
                                              {"QRL_nazw", name},
                                              {"QRL_im", name},
                                              {"QRL_dur", name},
                                              {"QRL_nazw1", name},
                                              {"QRL_im1", name},
                                              {"QRL_dur1", name},
                                              {"QRL_ods", amount},
                                              {"QRL_ods28", amount},
                                              {"QRL_ods36", {Align::Right, false, true, true, FontClass::Serif}},
                                              {"QRL_ods28p", request},
                                              {"QRL_ods28m", request},
                                              {"QRL_ods36p", request},
                                              {"QRL_ods36m", request},
                                              {"QRL_rodz_odl_doch", left},
                                              {"QRL_odl_doch", amount},
                                              {"QRL_odl_bez_pokr", amount},
                                              {"QRL_odl_doch_og", amount},
                                              {"QRL_odl_doch28", amount},
                                              {"QRL_odl_doch36", amount},
                                          });
}

// B.1 amounts 130 pixels wide, B.2 and B.3 amounts 143, the request's 58.
TEST(Wd18_1, TellingRectangles) {
    testing::expect_placed("Wd18_1", {
                                         {"QRL_nip", 111, 37, 200, 17},
                                         {"QRL_nip1", 454, 37},
                                         {"QRL_kas_nip", 138, 26},
                                         {"QRL_kas_pes", 162, 26},
                                         {"QRL_kas_nip1", 514, 26},
                                         {"QRL_kas_pes1", 539, 26},
                                         {"QRL_rok", 419, 163},
                                         {"QRL_nazw", 71, 329},
                                         {"QRL_ods", 587, 523, 130, 17},
                                         {"QRL_ods28p", 527, 681, 58},
                                         {"QRL_ods28m", 667, 681, 58},
                                         {"QRL_rodz_odl_doch", 237, 786, 322, 17},
                                         {"QRL_odl_doch", 595, 797, 143, 17},
                                     });
    for (const auto& [name, width] :
         {std::pair{"QRL_ods28", 130}, std::pair{"QRL_ods36", 130}, std::pair{"QRL_ods36p", 58},
          std::pair{"QRL_ods36m", 58}, std::pair{"QRL_odl_bez_pokr", 143}, std::pair{"QRL_odl_doch_og", 143},
          std::pair{"QRL_odl_doch28", 143}, std::pair{"QRL_odl_doch36", 143}}) {
        const report::Element* e = testing::designed_element("Wd18_1", name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->rect.width, width) << name;
    }
}

}  // namespace
}  // namespace dek
