// PIT/B pages 1/2 and 2/2: the person's activities and partnerships placed by
// set, the totals over every present entry on the last page 2 only, and the
// answers of section E.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::Captions;
using testing::expect_captions;
using testing::FilledPage;
using testing::Look;

// The taxpayer of a joint return with activities 1 and 4 and partnership 2
// present; activity 2 and partnership 5 are absent although they hold a place
// and amounts. The present entries fill one set: activities 1 and 4 side by
// side, partnership 2 as its first.
HostData business_return() {
    HostData d = testing::joint_couple();
    auto& r = d.rekdek;
    r.rok = 2018;
    dane_pitb& b = r.pitb[1];
    b.dzgosp[1] = dane_dzg{"  Handel obwoźny  ", "123456785", " Kraków ", 10000.50, 4000.25, 6000.25};
    b.dzgosp[2] = dane_dzg{"", "", "Bochnia", 999, 999, 999};
    b.dzgosp[4] = dane_dzg{"Usługi remontowe", "", "Wieliczka", 2000, 3234.50, -1234.50};
    dane_sp& s = b.spolki[2];
    s.nazsp = " Alfa sp.j. ";
    s.prsp = 33.33F;
    s.nipsp = "5260250274";
    s.mprowsp = " Tarnów ";
    s.prz_sp = {90000, 30000, 60000, 20000, 30000, 10000};
    b.spolki[5].mprowsp = "Nowy Sącz";
    b.spolki[5].prz_sp = {500, 500, 500, 500, 500, 500};
    r.pitb_e[1] = 1;
    return d;
}

// A partnership that only names itself, with its attributable revenue.
dane_sp named_partnership(const char* name, double revenue) {
    dane_sp s;
    s.nazsp = name;
    s.prz_sp[2] = revenue;
    return s;
}

// The eleven labels of an empty partnership row.
Captions empty_partnership(const std::string& row) {
    Captions c;
    for (const char* stem : {"QRL_nazsp", "QRL_prsp", "QRL_nipsp", "QRL_regsp", "QRL_mprowsp"}) c[stem + row] = "";
    for (int j = 1; j <= 6; ++j) c["QRL_prz_sp" + row + std::to_string(j)] = "";
    return c;
}

Captions merged(Captions a, const Captions& b) {
    a.insert(b.begin(), b.end());
    return a;
}

const Captions kActivity1 = {{"QRL_dzial", "Handel obwoźny"}, {"QRL_reg", "123456785"},   {"QRL_mp", "Kraków"},
                             {"QRL_prz_dg1", "10.000,50"},    {"QRL_ko_dg1", "4.000,25"}, {"QRL_d_dg1", "6.000,25"}};

TEST(Wb18_1, SetsPlaceThePresentActivitiesAndPartnershipsInOrder) {
    const Captions b2_empty = {{"QRL_dzial1", ""},  {"QRL_reg1", ""},   {"QRL_mp1", ""},
                               {"QRL_prz_dg2", ""}, {"QRL_ko_dg2", ""}, {"QRL_d_dg2", ""}};
    const Captions activity4_in_b2 = {{"QRL_dzial1", "Usługi remontowe"}, {"QRL_reg1", ""},
                                      {"QRL_mp1", "Wieliczka"},           {"QRL_prz_dg2", "2.000,00"},
                                      {"QRL_ko_dg2", "3.234,50"},         {"QRL_d_dg2", "-1.234,50"}};
    struct Case {
        const char* name;
        void (*change)(dane_pitb&);
        int nr, ilb;
        Captions want;
    };
    const Case cases[] = {
        {"one set: activities 1 and 4 together, partnership 2 first", [](dane_pitb&) {}, 1, 1,
         merged(merged({{"QRL_ilzalb", "1"}, {"QRL_nazsp1", "Alfa sp.j."}, {"QRL_prz_sp11", "90.000,00"}}, kActivity1),
                activity4_in_b2)},
        // With activity 3 there are three: 1 and 3 in the first set, 4 alone
        // in B.1 of the second, which has no fourth partnership.
        {"second set: the third present activity in B.1",
         [](dane_pitb& b) { b.dzgosp[3] = dane_dzg{"Transport", "", "", 1, 1, 0}; }, 3, 2,
         merged(merged({{"QRL_ilzalb", "2"},
                        {"QRL_dzial", "Usługi remontowe"},
                        {"QRL_mp", "Wieliczka"},
                        {"QRL_prz_dg1", "2.000,00"},
                        {"QRL_d_dg1", "-1.234,50"}},
                       b2_empty),
                empty_partnership("1"))},
        // Four partnerships at 2, 3, 5 and 6: the fourth present (6) opens
        // the second set.
        {"second set: the fourth present partnership in C.1",
         [](dane_pitb& b) {
             b.spolki[3] = named_partnership("Beta", 1);
             b.spolki[5] = named_partnership("Gamma", 1);
             b.spolki[6] = named_partnership("Delta s.c.", 1);
         },
         3, 2, merged({{"QRL_nazsp1", "Delta s.c."}, {"QRL_prz_sp12", "1,00"}, {"QRL_dzial", ""}}, b2_empty)},
        // Poz. 3 is the job's count, whatever the block holds.
        {"count as the job gives it", [](dane_pitb&) {}, 1, 2, {{"QRL_ilzalb", "2"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HostData d = business_return();
        c.change(d.rekdek.pitb[1]);
        FilledPage p("TF_wb18_1", d, 1, c.nr, c.ilb);
        expect_captions(p, c.want);
        // The heading whatever the set: the taxpayer's NIP, year and section A.
        expect_captions(p, {{"QRL_nip", "6 8 3 - 2 1 3 - 4 5 - 7 6"},
                            {"QRL_rok", "2 0 1 8"},
                            {"QRL_nazw", "Wąsowicz"},
                            {"QRL_im", "Grzegorz"},
                            {"QRL_dur", "14-09-1978"}});
    }
}

// A lone activity stored as entry 3 is the first present: B.1 of the only
// set, nothing printed empty before it.
TEST(Wb18_1, ALoneThirdEntryPrintsAsTheFirst) {
    HostData d = testing::joint_couple();
    d.rekdek.pitb[1].dzgosp[3] = dane_dzg{"Handel", "", "Gdańsk", 100, 40, 60};
    FilledPage p("TF_wb18_1", d, 1, 1, 1);
    expect_captions(p, {{"QRL_dzial", "Handel"}, {"QRL_mp", "Gdańsk"}, {"QRL_prz_dg1", "100,00"}, {"QRL_dzial1", ""}});
}

// Page 1 trims the partnership's texts, prints its NIP without the stored
// dashes and never spaced, and the share with two decimals.
TEST(Wb18_1, PartnershipOfTheFirstRow) {
    HostData d = business_return();
    d.rekdek.pitb[1].spolki[2].nipsp = "54-3211234";  // the dash goes, nine digits stay unspaced
    d.rekdek.pitb[1].spolki[2].prz_sp[6] = -4150;
    FilledPage p("TF_wb18_1", d, 1, 1, 1);
    expect_captions(p, {{"QRL_nazsp1", "Alfa sp.j."},
                        {"QRL_prsp1", "33,33"},
                        {"QRL_nipsp1", "543211234"},
                        {"QRL_regsp1", ""},
                        {"QRL_mprowsp1", "Tarnów"},
                        {"QRL_prz_sp11", "90.000,00"},
                        {"QRL_prz_sp12", "30.000,00"},
                        {"QRL_prz_sp13", "60.000,00"},
                        {"QRL_prz_sp14", "20.000,00"},
                        {"QRL_prz_sp15", "30.000,00"},
                        {"QRL_prz_sp16", "-4.150,00"}});
}

// Presence goes by the texts as stored: a kind of activity of blanks makes
// the entry present, printed with empty texts and counted in the totals.
TEST(Wb18, AnActivityOfBlanksIsPresent) {
    HostData d = testing::joint_couple();
    d.rekdek.pitb[1].dzgosp[2] = dane_dzg{"   ", "", "", 5, 1, 4};
    {
        FilledPage p("TF_wb18_1", d, 1, 1, 1);
        expect_captions(p, {{"QRL_dzial", ""}, {"QRL_prz_dg1", "5,00"}, {"QRL_ko_dg1", "1,00"}, {"QRL_d_dg1", "4,00"}});
    }
    FilledPage p("TF_wb18_2", d, 1, 1);
    expect_captions(p, {{"QRL_prz_sum", "5,00"}, {"QRL_ko_sum", "1,00"}, {"QRL_d_sum", "4,00"}});
}

TEST(Wb18_2, SetsPlaceThePartnershipsAndTheTotalsOnce) {
    const Captions no_totals = {{"QRL_prz_sum", ""}, {"QRL_ko_sum", ""}, {"QRL_d_sum", ""}, {"QRL_st_sum", ""}};
    // Activities 1 and 4 and the attributable columns of partnership 2;
    // absent entries add nothing, whatever amounts they hold.
    const Captions totals = {
        {"QRL_prz_sum", "42.000,50"}, {"QRL_ko_sum", "27.234,75"}, {"QRL_d_sum", "14.765,75"}, {"QRL_st_sum", "0,00"}};
    // Five partnerships present at 1, 2, 3, 4 and 6 (5 stays absent): two sets.
    const auto five = [](dane_pitb& b) {
        b.spolki[1] = named_partnership("Pierwsza", 1);
        b.spolki[3] = named_partnership("Trzecia", 1);
        b.spolki[4] = named_partnership("Czwarta", 1);
        b.spolki[6] = named_partnership("Szósta", 1);
    };
    struct Case {
        const char* name;
        void (*change)(dane_pitb&);
        int nr;
        Captions want;
    };
    const Case cases[] = {
        {"the only set: no second or third partnership, the totals", [](dane_pitb&) {}, 1,
         merged(merged(empty_partnership("2"), empty_partnership("3")), totals)},
        {"first of two: the second and third present as stored, no totals", five, 1,
         merged({{"QRL_nazsp2", " Alfa sp.j. "},
                 {"QRL_prsp2", "33,33"},
                 {"QRL_nipsp2", "526-025-02-74"},
                 {"QRL_regsp2", ""},
                 {"QRL_mprowsp2", " Tarnów "},
                 {"QRL_prz_sp21", "90.000,00"},
                 {"QRL_prz_sp22", "30.000,00"},
                 {"QRL_prz_sp23", "60.000,00"},
                 {"QRL_prz_sp24", "20.000,00"},
                 {"QRL_prz_sp25", "30.000,00"},
                 {"QRL_prz_sp26", "10.000,00"},
                 {"QRL_nazsp3", "Trzecia"}},
                no_totals)},
        {"second of two: the fifth present in row 2, row 3 empty, the totals", five, 4,
         merged({{"QRL_nazsp2", "Szósta"}, {"QRL_prz_sp22", "1,00"}, {"QRL_prz_sum", "42.004,50"}},
                empty_partnership("3"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HostData d = business_return();
        c.change(d.rekdek.pitb[1]);
        FilledPage p("TF_wb18_2", d, 1, c.nr);
        expect_captions(p, c.want);
    }
}

// A negative income total is shown as a loss; a total of exactly zero prints
// zero in both boxes. A person whose entries fit one set gets the totals on
// that set's page 2.
TEST(Wb18_2, IncomeTotalSplitsIntoIncomeAndLoss) {
    struct Case {
        double income;
        const char *d_sum, *st_sum;
    };
    const Case cases[] = {
        {-250.5, "0,00", "250,50"},
        {0, "0,00", "0,00"},
        {-0.001, "0,00", "0,00"},
        {1234.56, "1.234,56", "0,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.income);
        HostData d = testing::joint_couple();
        d.rekdek.pitb[1].dzgosp[2] = dane_dzg{"", "123456785", "", 100, 200, c.income};
        FilledPage p("TF_wb18_2", d, 1, 1);
        expect_captions(
            p, {{"QRL_prz_sum", "100,00"}, {"QRL_ko_sum", "200,00"}, {"QRL_d_sum", c.d_sum}, {"QRL_st_sum", c.st_sum}});
    }
}

TEST(Wb18_2, SectionEMarksOneSquareOfEachQuestion) {
    struct Case {
        int answers;
        bool q56_tak, q57_tak;
    };
    const Case cases[] = {{0, false, false}, {1, true, false}, {2, false, true}, {3, true, true}, {4, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers);
        HostData d = business_return();
        d.rekdek.pitb_e[1] = static_cast<byte>(c.answers);
        FilledPage p("TF_wb18_2", d, 1, 1);
        EXPECT_EQ(p.printed("QRL_21"), c.q56_tak ? "X" : "<disabled>");
        EXPECT_EQ(p.printed("QRL_22"), c.q56_tak ? "<disabled>" : "X");
        EXPECT_EQ(p.printed("QRL_31"), c.q57_tak ? "X" : "<disabled>");
        EXPECT_EQ(p.printed("QRL_32"), c.q57_tak ? "<disabled>" : "X");
    }
}

// The spouse's sheets read the spouse's NIP (never the PESEL, though the
// spouse is identified by it), names, block and answers.
TEST(Wb18, SpouseSheetsReadTheSpouse) {
    HostData d = business_return();
    d.rekdek.pitb[2].dzgosp[1] = dane_dzg{"Doradztwo", "", "Kielce", 500, 100, 400};
    d.rekdek.pitb_e[2] = 2;
    {
        FilledPage p("TF_wb18_1", d, 2, 1, 1);
        expect_captions(p, {{"QRL_nip", "9 5 4 - 2 7 5 - 1 3 - 6 8"},
                            {"QRL_nazw", "Wąsowicz-Przybyszewska"},
                            {"QRL_im", "Małgorzata"},
                            {"QRL_dur", "27-03-1981"},
                            {"QRL_dzial", "Doradztwo"},
                            {"QRL_d_dg1", "400,00"},
                            {"QRL_dzial1", ""}});
    }
    {
        FilledPage p("TF_wb18_2", d, 2, 1);
        expect_captions(p, merged({{"QRL_prz_sum", "500,00"},
                                   {"QRL_d_sum", "400,00"},
                                   {"QRL_21", "<disabled>"},
                                   {"QRL_22", "X"},
                                   {"QRL_31", "X"},
                                   {"QRL_32", "<disabled>"}},
                                  empty_partnership("2")));
    }
}

// The identifiers and names over the form's ground, the entries' texts and
// the sums on white; amounts end on the right, those of the activities sized
// to their text; the sums in the 12 pt font; the marks start disabled.
TEST(Wb18, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    const Look text{Align::Center, false, true};
    const Look amount{Align::Right, false, true};
    testing::expect_label_looks("Wb18_1", text,
                                {{"QRL_nip", {}},
                                 {"QRL_rok", {}},
                                 {"QRL_ilzalb", {Align::Right, true}},
                                 {"QRL_dur", {}},
                                 {"QRL_prz_dg1", {Align::Right, true, true}},
                                 {"QRL_ko_dg1", {Align::Right, true, true}},
                                 {"QRL_d_dg1", {Align::Right, true, true}},
                                 {"QRL_prz_dg2", {Align::Right, true, true}},
                                 {"QRL_ko_dg2", {Align::Right, true, true}},
                                 {"QRL_d_dg2", {Align::Right, true, true}},
                                 {"QRL_prsp1", amount},
                                 {"QRL_prz_sp11", amount},
                                 {"QRL_prz_sp12", amount},
                                 {"QRL_prz_sp13", amount},
                                 {"QRL_prz_sp14", amount},
                                 {"QRL_prz_sp15", amount},
                                 {"QRL_prz_sp16", amount}});
    const Look sum{Align::Right, false, true, true, FontClass::Sum, false, 130};
    const Look mark{Align::Center, true, false, false, FontClass::Mark};
    std::map<std::string, Look> page2 = {
        {"QRL_prsp2", amount}, {"QRL_prsp3", amount}, {"QRL_prz_sum", sum}, {"QRL_ko_sum", sum}, {"QRL_d_sum", sum},
        {"QRL_st_sum", sum},   {"QRL_21", mark},      {"QRL_22", mark},     {"QRL_31", mark},    {"QRL_32", mark}};
    for (const char* row : {"2", "3"})
        for (const char* col : {"1", "2", "3", "4", "5", "6"}) page2[std::string("QRL_prz_sp") + row + col] = amount;
    testing::expect_label_looks("Wb18_2", text, page2);
    for (const char* n : {"QRL_21", "QRL_22", "QRL_31", "QRL_32"})
        EXPECT_EQ(testing::designed_element("Wb18_2", n)->caption, "X") << n;
}

// The partnership amount rows keep the columns of page 1 at their own heights.
TEST(Wb18, TellingRectangles) {
    std::vector<testing::Placed> page1 = {
        {"QRL_nip", 131, 39, 151, 17},    {"QRL_ilzalb", 731, 170},        {"QRL_prz_dg1", 180, 487},
        {"QRL_nazsp1", 80, 817, 429, 17}, {"QRL_prsp1", 662, 815, 70, 17},
    };
    std::vector<testing::Placed> page2 = {
        {"QRL_prz_sum", 75, 724, 130, 21},
        {"QRL_ko_sum", 238, 724, 130, 21},
        {"QRL_d_sum", 428, 724, 130, 21},
        {"QRL_st_sum", 619, 724, 130, 21},
        {"QRL_21", 150, 831},
        {"QRL_22", 247, 831},
        {"QRL_31", 497, 831},
        {"QRL_32", 607, 831},
    };
    const int lefts[] = {51, 165, 283, 414, 538, 664};
    const int widths[] = {102, 106, 103, 90, 90, 90};
    for (const auto& [row, top] : {std::pair{1, 1008}, std::pair{2, 298}, std::pair{3, 590}}) {
        for (int j = 1; j <= 6; ++j) {
            const std::string name = "QRL_prz_sp" + std::to_string(row) + std::to_string(j);
            (row == 1 ? page1 : page2).push_back({name, lefts[j - 1], top, widths[j - 1], 17});
        }
    }
    testing::expect_placed("Wb18_1", page1);
    testing::expect_placed("Wb18_2", page2);
}

}  // namespace
}  // namespace dek
