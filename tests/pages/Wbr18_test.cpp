// PIT/BR pages 1 and 2: one person's research-and-development deduction, for
// the person `nrp` names.
#include <gtest/gtest.h>

#include <string>

#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::Look;

dane_jn unit(const char* name, const char* street) {
    dane_jn u;
    u.nazpel = name;
    u.kr = "Polska";
    u.woj = "opolskie";
    u.pow = "Opole";
    u.gm = "Opole";
    u.ul = street;
    u.nrd = "76";
    u.nrlok = "12a";
    u.miejsc = "Opole";
    u.kodp = "45-758";
    u.poczta = "Opole";
    return u;
}

// The taxpayer's and the spouse's blocks told apart by every amount.
HostData pitbr_return() {
    HostData d = testing::joint_couple();
    d.rekdek.rok = 2018;
    auto& p = d.rek01.pitbr[1];
    p.mikro = 1;
    p.bn = 1;
    p.pr = 0;
    p.rbn = 2;
    for (int i = 8; i <= 18; ++i) p.p[i] = 1000.0 * i + 0.25;
    p.p[16] = 0;
    p.jedn[1] = unit("Politechnika Opolska", "Prószkowska");
    auto& m = d.rek01.pitbr[2];
    for (int i = 8; i <= 18; ++i) m.p[i] = i + 0.5;
    m.jedn[2] = unit("Instytut Śląski", "Piastowska");
    return d;
}

TEST(Wbr18_1, TaxpayersPagePrintsHeadingAndEveryAmount) {
    HostData d = pitbr_return();
    FilledPage p("TF_wbr18_1", d, 1);
    EXPECT_EQ(p.printed("QRL_nip"), "6 8 3 - 2 1 3 - 4 5 - 7 6");
    EXPECT_EQ(p.printed("QRL_rok"), "2 0 1 8");
    EXPECT_EQ(p.printed("QRL_ilzalbr"), "1");
    EXPECT_EQ(p.printed("QRL_nazw"), "Wąsowicz");
    EXPECT_EQ(p.printed("QRL_im"), "Grzegorz");
    EXPECT_EQ(p.printed("QRL_dur"), "14-09-1978");
    for (int i = 8; i <= 18; ++i) {
        const std::string want = i == 16 ? "0,00" : std::to_string(i) + ".000,25";
        EXPECT_EQ(p.printed("QRL_p" + std::to_string(i)), want) << i;
    }
}

// From p[13] on the label's number is not the box: p[13] prints on the row of
// poz. 15 and p[18] on that of poz. 21.
TEST(Wbr18_1, AmountsFromThirteenOnPrintInTheirShiftedBoxes) {
    const std::pair<int, const char*> boxes[] = {{8, "poz8"},   {12, "poz12"}, {13, "poz15"}, {14, "poz16"},
                                                 {15, "poz17"}, {16, "poz19"}, {17, "poz20"}, {18, "poz21"}};
    for (const auto& [i, box] : boxes) {
        const report::Element* e = testing::designed_element("Wbr18_1", "QRL_p" + std::to_string(i));
        ASSERT_NE(e, nullptr) << i;
        EXPECT_EQ(e->field, box) << i;
    }
    for (const char* box : {"poz13", "poz14", "poz18", "poz22"})
        for (const auto& e : pages::layout_of("Wbr18_1").elements) EXPECT_NE(e.field, box) << e.name;
}

// Each question keeps exactly one of its two "X" marks: 1 means tak, every
// other value nie. The kind of research marks one square only for research
// done (`bn` 1) and a kind from 1 to 3. The marks' captions never change.
TEST(Wbr18_1, MarksFollowTheAnswers) {
    struct Case {
        int mikro, bn, pr, rbn;
        const char *m1, *m2, *bn1, *bn2, *pr1, *pr2, *rbn1, *rbn2, *rbn3;
    };
    const char* X = "X";
    const char* off = "<disabled>";
    const Case cases[] = {
        {0, 1, 0, 1, off, X, X, off, off, X, X, off, off},   {1, 1, 1, 3, X, off, X, off, X, off, off, off, X},
        {2, 1, 1, 0, off, X, X, off, X, off, off, off, off}, {1, 1, 0, 4, X, off, X, off, off, X, off, off, off},
        {0, 0, 1, 2, off, X, off, X, X, off, off, off, off}, {255, 2, 2, 1, off, X, off, X, off, X, off, off, off},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "mikro " << c.mikro << " bn " << c.bn << " pr " << c.pr << " rbn " << c.rbn);
        HostData d = pitbr_return();
        auto& br = d.rek01.pitbr[1];
        br.mikro = static_cast<byte>(c.mikro);
        br.bn = static_cast<byte>(c.bn);
        br.pr = static_cast<byte>(c.pr);
        br.rbn = static_cast<byte>(c.rbn);
        FilledPage p("TF_wbr18_1", d, 1);
        EXPECT_EQ(p.printed("QRL_m1"), c.m1);
        EXPECT_EQ(p.printed("QRL_m2"), c.m2);
        EXPECT_EQ(p.printed("QRL_bn1"), c.bn1);
        EXPECT_EQ(p.printed("QRL_bn2"), c.bn2);
        EXPECT_EQ(p.printed("QRL_pr1"), c.pr1);
        EXPECT_EQ(p.printed("QRL_pr2"), c.pr2);
        EXPECT_EQ(p.printed("QRL_rbn1"), c.rbn1);
        EXPECT_EQ(p.printed("QRL_rbn2"), c.rbn2);
        EXPECT_EQ(p.printed("QRL_rbn3"), c.rbn3);
    }
}

// The spouse's pages: the spouse's NIP although the spouse is known by PESEL
// (the form has no PESEL box, nothing is struck out), name, amounts, answers
// and units.
TEST(Wbr18, SpousesPagesReadTheSpousesBlock) {
    HostData d = pitbr_return();
    ASSERT_TRUE(d.rekdek.ident_pesel_m);
    FilledPage p1("TF_wbr18_1", d, 2);
    EXPECT_EQ(p1.printed("QRL_nip"), "9 5 4 - 2 7 5 - 1 3 - 6 8");
    EXPECT_EQ(p1.printed("QRL_nazw"), "Wąsowicz-Przybyszewska");
    EXPECT_EQ(p1.printed("QRL_dur"), "27-03-1981");
    EXPECT_EQ(p1.printed("QRL_p8"), "8,50");
    EXPECT_EQ(p1.printed("QRL_p18"), "18,50");
    // The spouse's own answers: all zero, so every "nie".
    EXPECT_EQ(p1.printed("QRL_m2"), "X");
    EXPECT_EQ(p1.printed("QRL_bn2"), "X");
    EXPECT_EQ(p1.printed("QRL_rbn2"), "<disabled>");
    FilledPage p2("TF_wbr18_2", d, 2);
    EXPECT_EQ(p2.printed("QRL_nazpel1"), "");
    EXPECT_EQ(p2.printed("QRL_nazpel2"), "Instytut Śląski");
    EXPECT_EQ(p2.printed("QRL_ul2"), "Piastowska");
}

TEST(Wbr18_1, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    const Look mark{Align::Center, true, false, true, FontClass::Mark};
    const Look kind{Align::Center, true, false, false, FontClass::Mark};
    std::map<std::string, Look> other = {
        {"QRL_nip", {Align::Center, false, false, true, FontClass::Value, false, 151}},
        {"QRL_rok", {}},
        {"QRL_ilzalbr", {Align::Right, true}},
        {"QRL_nazw", {Align::Center, false, true}},
        {"QRL_im", {Align::Center, false, true}},
        {"QRL_dur", {}},
        {"QRL_m1", mark},
        {"QRL_m2", mark},
        {"QRL_bn1", mark},
        {"QRL_bn2", mark},
        {"QRL_pr1", mark},
        {"QRL_pr2", mark},
        {"QRL_rbn1", kind},
        {"QRL_rbn2", kind},
        {"QRL_rbn3", kind},
    };
    testing::expect_label_looks("Wbr18_1", {Align::Right, true, true}, other);
    for (const auto& e : pages::layout_of("Wbr18_1").elements)
        if (e.font == FontClass::Mark) {
            EXPECT_EQ(e.caption, "X") << e.name;
        }
}

TEST(Wbr18_1, TellingRectangles) {
    testing::expect_placed("Wbr18_1", {
                                          {"QRL_nip", 138, 47, 151, 17},
                                          {"QRL_ilzalbr", 641, 157},
                                          {"QRL_m1", 342, 324},
                                          {"QRL_m2", 438, 322},
                                          {"QRL_p8", 661, 379},
                                          {"QRL_p12", 662, 503},
                                          {"QRL_p13", 663, 612},
                                          {"QRL_p18", 666, 842},
                                          {"QRL_bn1", 168, 948},
                                          {"QRL_bn2", 312, 948},
                                          {"QRL_pr1", 510, 948},
                                          {"QRL_pr2", 653, 948},
                                          {"QRL_rbn1", 173, 1010},
                                          {"QRL_rbn2", 362, 1010},
                                          {"QRL_rbn3", 600, 1010},
                                      });
}

// A unit prints only with a name; then all eleven fields as stored, blanks
// and empty fields kept. Every design caption is cleared first.
TEST(Wbr18_2, UnitsPrintOnlyWithANameAndAsStored) {
    HostData d = pitbr_return();
    auto& jedn = d.rek01.pitbr[1].jedn;
    jedn[1].nazpel = "  Politechnika Opolska ";
    jedn[1].ul = " Prószkowska ";
    jedn[2] = unit("   ", "Grunwaldzka");  // a blank name: absent, its address too
    jedn[3] = dane_jn{};
    jedn[3].nazpel = "Instytut bez adresu";
    FilledPage p("TF_wbr18_2", d, 1);
    const std::pair<const char*, const char*> unit1[] = {
        {"QRL_nazpel1", "  Politechnika Opolska "},
        {"QRL_kr1", "Polska"},
        {"QRL_woj1", "opolskie"},
        {"QRL_pow1", "Opole"},
        {"QRL_gm1", "Opole"},
        {"QRL_ul1", " Prószkowska "},
        {"QRL_nrd1", "76"},
        {"QRL_nrlok1", "12a"},
        {"QRL_miejsc1", "Opole"},
        {"QRL_kodp1", "45-758"},
        {"QRL_poczta1", "Opole"},
    };
    for (const auto& [name, text] : unit1) EXPECT_EQ(p.printed(name), text) << name;
    EXPECT_EQ(p.printed("QRL_nazpel3"), "Instytut bez adresu");
    for (const char* stem : {"QRL_nazpel", "QRL_kr", "QRL_woj", "QRL_pow", "QRL_gm", "QRL_ul", "QRL_nrd", "QRL_nrlok",
                             "QRL_miejsc", "QRL_kodp", "QRL_poczta"}) {
        EXPECT_EQ(p.printed(std::string(stem) + "2"), "") << stem;
        if (std::string(stem) != "QRL_nazpel") {
            EXPECT_EQ(p.printed(std::string(stem) + "3"), "") << stem;
        }
    }
}

TEST(Wbr18_2, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    std::map<std::string, Look> other;
    for (const char* k : {"1", "2", "3"}) {
        other[std::string("QRL_kr") + k] = {Align::Center, false, true, true, FontClass::Plain};
        other[std::string("QRL_ul") + k] = {Align::Left, true, true};
        other[std::string("QRL_nrd") + k] = {Align::Center, true, true};
        other[std::string("QRL_nrlok") + k] = {Align::Center, true, true};
        other[std::string("QRL_nazpel") + k] = {Align::Center, false, true, true, FontClass::Value, false, 599};
    }
    testing::expect_label_looks("Wbr18_2", {Align::Center, false, true}, other);
    EXPECT_EQ(pages::layout_of("Wbr18_2").elements.size(), 33U);
    testing::expect_placed("Wbr18_2",
                           {{"QRL_nazpel1", 126, 138, 599, 17}, {"QRL_kr1", 12, 196}, {"QRL_miejsc1", 12, 261}});
}

}  // namespace
}  // namespace dek
