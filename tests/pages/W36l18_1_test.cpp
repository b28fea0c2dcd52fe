#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

// A business return without section C answers: every value differs from the
// design captions, so a box the fill skipped shows.
HostData business_return() {
    HostData d;
    auto& r = d.rekdek;
    r.nip = "7543018829";
    r.rok = 2018;
    r.urz = " Pierwszy Urząd Skarbowy w Opolu ";
    r.podatnik.nazw = "Kołodziejczyk-Mróz";
    r.podatnik.im = "Małgorzata";
    r.podatnik.dur = dt1{1981, 8, 23};
    r.podatnik.pesel = "81082351743";
    auto& d1 = r.dochody[1];
    d1.zr[3] = {707300.0, 468453.27, 238846.73, 30959.4};
    d1.zr[4] = {21300.0, 14870.0, 6430.0, 0.0};
    d1.zr[1] = {99.0, 99.0, 99.0, 99.0};  // rows this form has no box for
    d1.str = 6200.0;
    d1.zr_str = "  działalność gospodarcza – strata 2017 ";
    d1.zus_zagr = 123.45;
    r.dzw63b = 1500.25F;
    r.zmar = 870.5F;
    r.din = 99.99F;
    r.pito.odl[1] = 9783.24;
    r.ikze = 7997.4;
    r.pitz[1].rokzw = 2016;
    r.pitz[1].st_7f = 321.45;
    return d;
}

TEST(W36l18_1, ValuesGoToTheirBoxes) {
    HostData d = business_return();
    FilledPage p("TF_w36l18_1", d);
    EXPECT_EQ(p.printed("QRL_nip"), "7 5 4 - 3 0 1 - 8 8 - 2 9");
    EXPECT_EQ(p.printed("QRL_rok"), "2 0 1 8");
    EXPECT_EQ(p.printed("QRL_urz"), " Pierwszy Urząd Skarbowy w Opolu ");  // as stored
    EXPECT_EQ(p.printed("QRL_nazw"), "Kołodziejczyk-Mróz");
    EXPECT_EQ(p.printed("QRL_im"), "Małgorzata");
    EXPECT_EQ(p.printed("QRL_dur"), "23-08-1981");
    // Section D: row 1 from the business row, row 2 from special agricultural
    // production; the advance in whole złoty.
    const std::map<std::string, std::string> d_table = {
        {"QRL_p11", "707.300,00"}, {"QRL_p12", "468.453,27"}, {"QRL_p13", "238.846,73"}, {"QRL_p14", "0,00"},
        {"QRL_p15", "30.959"},     {"QRL_p21", "21.300,00"},  {"QRL_p22", "14.870,00"},  {"QRL_p23", "6.430,00"},
        {"QRL_p24", "0,00"},       {"QRL_p25", "0"},
    };
    for (const auto& [name, want] : d_table) EXPECT_EQ(p.printed(name), want) << name;
    // Section E; the three 4-byte floats print as the amounts they hold.
    EXPECT_EQ(p.printed("QRL_63b"), "1.500,25");
    EXPECT_EQ(p.printed("QRL_zrst"), "działalność gospodarcza – strata 2017");  // trimmed
    EXPECT_EQ(p.printed("QRL_str"), "6.200,00");
    EXPECT_EQ(p.printed("QRL_zm"), "870,50");
    EXPECT_EQ(p.printed("QRL_zus"), "9.783,24");
    EXPECT_EQ(p.printed("QRL_zus_zagr"), "123,45");
    EXPECT_EQ(p.printed("QRL_ikze"), "7.997,40");
    EXPECT_EQ(p.printed("QRL_din"), "99,99");
}

// Identified by PESEL or not, this form prints the NIP: it has no PESEL
// alternative and no word to strike out.
TEST(W36l18_1, NipPrintsAlsoForATaxpayerKnownByPesel) {
    HostData d = business_return();
    d.rekdek.ident_pesel = true;
    FilledPage p("TF_w36l18_1", d);
    EXPECT_EQ(p.printed("QRL_nip"), "7 5 4 - 3 0 1 - 8 8 - 2 9");
    for (const auto& e : pages::layout_of("W36l18_1").elements) EXPECT_FALSE(e.name.starts_with("QRL_kas")) << e.name;
}

// The title that does not apply is struck out: PIT-36LS for a natural person,
// PIT-36L for an enterprise in inheritance.
TEST(W36l18_1, FormVariantStrikesOutTheOtherTitle) {
    for (bool spadek : {false, true}) {
        SCOPED_TRACE(spadek);
        HostData d = business_return();
        d.rekdek.spadek = spadek;
        FilledPage p("TF_w36l18_1", d);
        EXPECT_EQ(p.enabled("QRL_36"), spadek);
        EXPECT_EQ(p.enabled("QRL_36s"), !spadek);
        EXPECT_EQ(p.caption("QRL_36"), "PIT-36L");
        EXPECT_EQ(p.caption("QRL_36s"), "PIT-36LS");
    }
}

TEST(W36l18_1, PurposeMarksExactlyOneSquare) {
    for (bool korekta : {false, true}) {
        SCOPED_TRACE(korekta);
        HostData d = business_return();
        d.rekdek.korekta = korekta;
        FilledPage p("TF_w36l18_1", d);
        EXPECT_EQ(p.printed("QRL_zl_dek"), korekta ? "" : "x");
        EXPECT_EQ(p.printed("QRL_kor_dek"), korekta ? "x" : "");
    }
}

// Section C squares and the year of poz. 12: at the taxpayer's place (left
// 190) for poz. 11, at the deceased entrepreneur's (left 430) whenever poz.
// 11b is marked, empty otherwise.
TEST(W36l18_1, SectionCMarksAndTheYearOfTheExemption) {
    struct Case {
        const char* what;
        int inf_dod1, inf_dod2, dol_spadek;
        const char *dok, *zw, *zw1, *zw2, *rokzw;
        int rokzw_left;
    };
    const Case cases[] = {
        {"poz. 11 without 11b", 0, 4, 0, "", "x", "", "", "2 0 1 6", 190},
        {"poz. 11 and 11b", 2, 4, 1, "x", "x", "", "X", "2 0 1 6", 430},
        {"poz. 11b alone", 0, 0, 1, "", "", "", "X", "2 0 1 6", 430},
        {"refund under art. 26ea", 2, 5, 0, "x", "", "x", "", "", 190},
        {"exemption used in the tax year", 1, 3, 0, "", "", "", "", "", 190},
        {"codes outside the form", 4, 255, 2, "", "", "", "", "", 190},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = business_return();
        d.rekdek.inf_dod[1] = static_cast<byte>(c.inf_dod1);
        d.rekdek.inf_dod[2] = static_cast<byte>(c.inf_dod2);
        d.rekdek.dol_spadek = static_cast<byte>(c.dol_spadek);
        FilledPage p("TF_w36l18_1", d);
        const std::pair<const char*, const char*> printed[] = {
            {"QRL_dok", c.dok}, {"QRL_zw", c.zw}, {"QRL_zw1", c.zw1}, {"QRL_zw2", c.zw2}, {"QRL_rokzw", c.rokzw}};
        for (const auto& [name, want] : printed) EXPECT_EQ(p.printed(name), want) << name;
        EXPECT_EQ(p.element("QRL_rokzw").rect.left, c.rokzw_left);
        EXPECT_EQ(p.element("QRL_rokzw").rect.top, 556);
    }
    // A year of 0 is none given: the box stays empty with poz. 11 marked.
    HostData d = business_return();
    d.rekdek.inf_dod[2] = 4;
    d.rekdek.pitz[1].rokzw = 0;
    FilledPage p("TF_w36l18_1", d);
    EXPECT_EQ(p.printed("QRL_zw"), "x");
    EXPECT_EQ(p.printed("QRL_rokzw"), "");
}

// The income of each row splits into the income and the loss column; with
// the art. 44 ust. 7f additions (poz. 11) the business loss is the one the
// PIT/Z gives, whatever the computed income, and row 2 keeps its own.
TEST(W36l18_1, IncomeOrLossAndTheLossAfterTheAdditions) {
    struct Case {
        const char* what;
        double doch1, doch2;
        int inf_dod2;
        const char *p13, *p14, *p23, *p24;
    };
    const Case cases[] = {
        {"business loss", -500, 6430, 0, "0,00", "500,00", "6.430,00", "0,00"},
        {"zero income", 0, 0, 0, "0,00", "0,00", "0,00", "0,00"},
        {"additions, income", 238846.73, -12.5, 4, "238.846,73", "321,45", "0,00", "12,50"},
        {"additions, loss", -500, 0, 4, "0,00", "321,45", "0,00", "0,00"},
        {"other code, income", 1000, 0, 5, "1.000,00", "0,00", "0,00", "0,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = business_return();
        d.rekdek.dochody[1].zr[3].doch = c.doch1;
        d.rekdek.dochody[1].zr[4].doch = c.doch2;
        d.rekdek.inf_dod[2] = static_cast<byte>(c.inf_dod2);
        FilledPage p("TF_w36l18_1", d);
        EXPECT_EQ(p.printed("QRL_p13"), c.p13);
        EXPECT_EQ(p.printed("QRL_p14"), c.p14);
        EXPECT_EQ(p.printed("QRL_p23"), c.p23);
        EXPECT_EQ(p.printed("QRL_p24"), c.p24);
    }
}

// The reference number prints whole as the memo's only line; 30 characters
// stay on that one line.
TEST(W36l18_1, ReferenceNumberOnOneLine) {
    struct Case {
        bool asked;
        const char* number;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {false, "9F3A0C77E41B2D58A6C09E3F11D4B7", {}},
        {true, "9F3A0C77E41B2D58A6C09E3F11D4B7", {"9F3A0C77E41B2D58A6C09E3F11D4B7"}},
        {true, "12345", {"12345"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        HostData d = business_return();
        d.dr_dek_ref = c.asked;
        d.nr_dek_refer = c.number;
        FilledPage p("TF_w36l18_1", d);
        EXPECT_EQ(p.enabled("QRL_nrref"), c.asked);
        EXPECT_EQ(p.element("QRL_nrref").lines, c.lines);
    }
}

// An empty return: no design caption reaches the paper; amounts print their
// zero, the purpose square its mark.
TEST(W36l18_1, EmptyRecordPrintsNoSampleCaption) {
    HostData d;
    d.rekdek.rok = 2018;
    FilledPage p("TF_w36l18_1", d);
    const std::map<std::string, std::string> set = {{"QRL_rok", "2 0 1 8"}, {"QRL_zl_dek", "x"}};
    for (const auto& e : pages::layout_of("W36l18_1").elements) {
        if (e.name == "QRL_36" || e.name == "QRL_36s") continue;  // covers keep their word
        const auto it = set.find(e.name);
        const std::string want = it != set.end()          ? it->second
                                 : e.amount_decimals == 2 ? "0,00"
                                 : e.amount_decimals == 0 ? "0"
                                                          : "";
        EXPECT_EQ(p.caption(e.name), want) << e.name;
    }
}

// Bold values, centred unless the box asks otherwise (the NIP and the year
// start at the left of their boxes); the tax office in
// regular weight; marks in the mark font; the two title covers in the large
// strike-out font, off until the fill enables one; amounts right-aligned and
// sized to their text, those of section D on white.
TEST(W36l18_1, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look cover{Align::Left, true, true, false, FontClass::LargeStrike};
    const Look mark{.auto_size = true, .font = FontClass::Mark};
    const Look amount{Align::Right, true};
    const Look table_amount{Align::Right, true, true};
    std::map<std::string, Look> other = {
        {"QRL_36", cover},
        {"QRL_36s", cover},
        {"QRL_nip", {.align = Align::Left, .width = 171}},
        {"QRL_rok", {.align = Align::Left}},
        {"QRL_urz", {.opaque = true, .font = FontClass::Plain, .wraps = true, .width = 362}},
        {"QRL_zl_dek", mark},
        {"QRL_kor_dek", mark},
        {"QRL_dok", mark},
        {"QRL_zw", mark},
        {"QRL_zw1", mark},
        {"QRL_zw2", mark},
        {"QRL_rokzw", {.opaque = true, .width = 73}},
        {"QRL_63b", amount},
        {"QRL_zrst", {.align = Align::Left, .wraps = true, .width = 486}},
    };
    for (const char* n : {"QRL_str", "QRL_zm", "QRL_zus", "QRL_zus_zagr", "QRL_ikze", "QRL_din"}) other[n] = amount;
    for (int row = 1; row <= 2; ++row)
        for (int col = 1; col <= 5; ++col) other["QRL_p" + std::to_string(row) + std::to_string(col)] = table_amount;
    testing::expect_label_looks("W36l18_1", Look{}, other);

    const report::Element* memo = testing::designed_element("W36l18_1", "QRL_nrref");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->kind, report::ElementKind::Memo);
    EXPECT_TRUE(memo->opaque);
    EXPECT_FALSE(memo->enabled);
    EXPECT_EQ(memo->alignment, Align::Left);

    testing::expect_placed("W36l18_1", {
                                           {"QRL_nrref", 383, 39, 278, 38},
                                           {"QRL_36", 19, 62, 72, 21},
                                           {"QRL_36s", 99, 62, 80, 21},
                                           {"QRL_nip", 106, 36, 171, 17},
                                           {"QRL_rok", 378, 150},
                                           {"QRL_dok", 67, 446},
                                           {"QRL_zw", 67, 460},
                                           {"QRL_zw1", 67, 493},
                                           {"QRL_zw2", 67, 511},
                                           {"QRL_rokzw", 190, 556, 73},
                                           {"QRL_p11", 182, 678},
                                           {"QRL_p21", 180, 707},
                                           {"QRL_63b", 654, 824},
                                       });
}

}  // namespace
}  // namespace dek
