#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit28_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::pit28_return;

HostData last_page() {
    HostData d = pit28_return();
    rek28_t& r = d.rek28;
    for (int m = 1; m <= 11; ++m) r.rycz_mies[m] = 1000 * m + 1;
    r.sum_rycz = 26466;
    r.rycz_gr = 3438;
    r.krs = "  0000049983 ";
    r.poz_odl = 305.6;
    r.cel = {"Schronisko w Cieszynie", "(Brat Albert)"};
    r.kontakt = {"tel. 605 381 274", ""};
    r.d_us = {"8103270874", "Wąsowicz Małgorzata", "US Cieszyn"};
    r.peln = " Jan Nowak ";
    return d;
}

// The return with a PIT/D filed by `d_kto` with the return `d_kod`.
HostData with_pit_d(int d_kto, int d_kod) {
    HostData d = last_page();
    d.rek28.d_kto = static_cast<byte>(d_kto);
    d.rek28.d_kod = static_cast<byte>(d_kod);
    return d;
}

TEST(W2818_4, MonthsAndTotalsInWholeZloty) {
    HostData d = last_page();
    FilledPage p("TF_w2818_4", d);
    for (int m = 1; m <= 11; ++m) EXPECT_EQ(p.printed("QRL_pod" + std::to_string(m)), std::to_string(m) + ".001") << m;
    const std::map<std::string, std::string> want = {
        {"QRL_sum_rycz", "26.466"},
        {"QRL_rycz_gr", "3.438"},
        {"QRL_krs", "0000049983"},
        {"QRL_poz_odl", "305,60"},
        {"QRL_cel", "Schronisko w Cieszynie (Brat Albert)"},
        {"QRL_kontakt", "tel. 605 381 274"},  // an empty part leaves no blank
    };
    for (const auto& [name, text] : want) EXPECT_EQ(p.printed(name), text) << name;
}

// Each count in the box of its attachment, the stored count as it is, zero
// too; the counts 4 and 5 belong to no box.
TEST(W2818_4, AttachmentCounts) {
    struct Case {
        Arr<byte, 1, 7> ilzal;
        byte il_spr;
        std::map<std::string, std::string> want;
    };
    const Case cases[] = {
        {{1, 2, 3, 44, 55, 6, 3},
         0,
         {{"QRL_zal1", "1"},
          {"QRL_zal2", "2"},
          {"QRL_zal3", "3"},
          {"QRL_zal6", "6"},
          {"QRL_zal7", "3"},
          {"QRL_spr", "0"}}},
        {{0, 0, 0, 0, 0, 0, 0},
         0,
         {{"QRL_zal1", "0"},
          {"QRL_zal2", "0"},
          {"QRL_zal3", "0"},
          {"QRL_zal6", "0"},
          {"QRL_zal7", "0"},
          {"QRL_spr", "0"}}},
        {{0, 0, 0, 9, 9, 0, 255}, 12, {{"QRL_zal1", "0"}, {"QRL_zal6", "0"}, {"QRL_zal7", "255"}, {"QRL_spr", "12"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.want.at("QRL_zal7"));
        HostData d = last_page();
        d.rek28.ilzal = c.ilzal;
        d.rek28.il_spr = c.il_spr;
        FilledPage p("TF_w2818_4", d);
        for (const auto& [name, text] : c.want) EXPECT_EQ(p.printed(name), text) << name;
        for (const char* n : {"QRL_zal4", "QRL_zal5"}) EXPECT_EQ(p.page().DB_dane.find(n), nullptr) << n;
    }
    EXPECT_EQ(testing::designed_element("W2818_4", "QRL_zal6")->field, "poz147");
    EXPECT_EQ(testing::designed_element("W2818_4", "QRL_zal7")->field, "poz148");
}

// Poz. 149 and 151 follow who filed the PIT/D; poz. 150 follows the return it
// went with, whoever filed it.
TEST(W2818_4, PitDWhoAndWithWhichReturn) {
    struct Case {
        int d_kto, d_kod;
        std::set<std::string> marked;  // the squares of poz. 149 and 150 with their "x"
        bool spouse_data;              // poz. 151 filled
    };
    const Case cases[] = {
        {0, 0, {"QRL_d_p", "QRL_d28"}, false}, {1, 1, {"QRL_d_m", "QRL_d36"}, true}, {2, 1, {"QRL_d36"}, false},
        {1, 2, {"QRL_d_m", "QRL_d37"}, true},  {255, 0, {"QRL_d28"}, false},         {1, 3, {"QRL_d_m"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("d_kto " + std::to_string(c.d_kto) + " d_kod " + std::to_string(c.d_kod));
        HostData d = with_pit_d(c.d_kto, c.d_kod);
        FilledPage p("TF_w2818_4", d);
        for (const char* square : {"QRL_d_p", "QRL_d_m", "QRL_d28", "QRL_d36", "QRL_d37"})
            EXPECT_EQ(p.printed(square), c.marked.contains(square) ? "x" : "") << square;
        EXPECT_EQ(p.printed("QRL_d_us"), c.spouse_data ? "8103270874 Wąsowicz Małgorzata US Cieszyn" : "");
    }
}

// The spouse's data of poz. 151 is stored in three parts that join with one
// blank each, like every text stored in parts: no part runs into the next.
TEST(W2818_4, SpouseDataPartsJoinWithBlanks) {
    struct Case {
        const char *a, *b, *c, *printed;
    };
    const Case cases[] = {
        {"ABC", "DEF", "GHI", "ABC DEF GHI"},
        {"Wąsowicz Małgorzata", "ul. Długa 5", "00-950 Warszawa", "Wąsowicz Małgorzata ul. Długa 5 00-950 Warszawa"},
        {"  8103270874", "Wąsowicz", "US Cieszyn  ", "8103270874 Wąsowicz US Cieszyn"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed);
        HostData d = last_page();
        d.rek28.d_kto = 1;
        d.rek28.d_us = {c.a, c.b, c.c};
        FilledPage p("TF_w2818_4", d);
        EXPECT_EQ(p.printed("QRL_d_us"), c.printed);
    }
}

TEST(W2818_4, LargeFamilyCardAndAttorney) {
    struct Case {
        int kdr;
        bool jest_peln;
        const char *card, *attorney;
    };
    const Case cases[] = {
        {1, true, "X", "Jan Nowak"}, {2, false, "", ""}, {0, true, "", "Jan Nowak"}, {255, false, "", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kdr);
        HostData d = last_page();
        d.rek28.kdr = static_cast<byte>(c.kdr);
        d.rek28.jest_peln = c.jest_peln;
        FilledPage p("TF_w2818_4", d);
        EXPECT_EQ(p.printed("QRL_kdr"), c.card);
        EXPECT_EQ(p.printed("QRL_peln"), c.attorney);
    }
}

TEST(W2818_4, ConsentMarksItsSquare) {
    HostData d = last_page();
    for (bool consent : {false, true}) {
        d.rek28.inf_cel = consent;
        FilledPage p("TF_w2818_4", d);
        EXPECT_EQ(p.printed("QRL_inf_cel"), consent ? "x" : "");
    }
}

// Amounts right-aligned and sized to their text (the totals in fixed boxes),
// the squares in the 8 pt mark font, the counts centred; the KRS number
// left-aligned; the 1 % purpose, the contact data and the spouse's data in
// regular weight, wrapping within their boxes; the attorney right-aligned.
TEST(W2818_4, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look mark{Align::Right, true, false, true, FontClass::Mark};
    const Look count{Align::Center, true};
    std::map<std::string, Look> other = {
        {"QRL_sum_rycz", {.align = Align::Right, .width = 143}},
        {"QRL_rycz_gr", {.align = Align::Right, .width = 143}},
        {"QRL_krs", {.align = Align::Left}},
        {"QRL_poz_odl", {.align = Align::Right, .width = 93}},
        {"QRL_cel", {.align = Align::Left, .font = FontClass::Plain, .wraps = true, .width = 471, .grows = false}},
        {"QRL_kontakt", {.align = Align::Left, .font = FontClass::Plain, .wraps = true, .width = 651, .grows = false}},
        {"QRL_d_us", {.align = Align::Left, .font = FontClass::Plain, .wraps = true, .width = 411, .grows = false}},
        {"QRL_spr", count},
        {"QRL_peln", {Align::Right, true}},
    };
    for (const char* n : {"QRL_inf_cel", "QRL_d_p", "QRL_d_m", "QRL_d28", "QRL_d36", "QRL_d37", "QRL_kdr"})
        other[n] = mark;
    for (const char* n : {"QRL_zal1", "QRL_zal2", "QRL_zal3", "QRL_zal6", "QRL_zal7"}) other[n] = count;
    testing::expect_label_looks("W2818_4", Look{Align::Right, true}, other);
    testing::expect_placed("W2818_4", {{"QRL_pod1", 187, 154},
                                       {"QRL_pod6", 686, 154},
                                       {"QRL_pod7", 189, 205},
                                       {"QRL_pod11", 580, 205},
                                       {"QRL_sum_rycz", 602, 235},
                                       {"QRL_krs", 163, 357},
                                       {"QRL_zal1", 71, 582},
                                       {"QRL_zal7", 345, 582},
                                       {"QRL_d_p", 488, 584},
                                       {"QRL_d_m", 586, 584},
                                       {"QRL_d28", 74, 636},
                                       {"QRL_d37", 222, 636},
                                       {"QRL_d_us", 322, 629},
                                       {"QRL_spr", 501, 665},
                                       {"QRL_kdr", 382, 730},
                                       {"QRL_peln", 423, 784}});
}

}  // namespace
}  // namespace dek
