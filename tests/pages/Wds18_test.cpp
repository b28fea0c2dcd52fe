// PIT/DS pages 1 and 2: one person's special departments of agricultural
// production, for the person `nrp` names, and the person's totals.
#include <gtest/gtest.h>

#include <string>

#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;
using testing::Look;

dane_dsw alone(const char* place, double prz, double ko) {
    dane_dsw d;
    d.mp = place;
    d.rp = "Pszczelarstwo – pasieka stacjonarna";
    d.nrdz = "III/2017/2";
    d.rozm = 82.25;
    d.prz = prz;
    d.ko = ko;
    d.doch = 999999.99;  // stored incomes never enter the totals
    return d;
}

dane_dss joint(const char* place, double przs1, double przs2, double kos1, double kos2) {
    dane_dss d;
    d.mps = place;
    d.rps = "Uprawa grzybów – pieczarkarnia";
    d.nrs = "II/2016/14";
    d.ros = 620;
    d.uds = 33.3F;
    d.przs1 = przs1;
    d.przs2 = przs2;
    d.kos1 = kos1;
    d.kos2 = kos2;
    d.dochs1 = przs1 - kos1;
    d.dochs2 = -7654.32;
    return d;
}

HostData pitds_return() {
    HostData d = testing::joint_couple();
    d.rekdek.rok = 2018;
    auto& p = d.rek01.pitds[1];
    p.dsw[1] = alone("Prószków, ul. Opolska 15", 21300.00, 14870.00);
    p.dsw[3] = alone(" Rosin 8 ", 1000.00, 500.00);
    p.dss[2] = joint("Rosin 8, pieczarkarnia", 124000.00, 41333.33, 98700.00, 32900.00);
    d.rek01.pitds[2].dsw[2] = alone("Lubinicko 27", 18400.00, 15920.00);
    return d;
}

TEST(Wds18_1, PrintsHeadingAndThePresentDepartments) {
    HostData d = pitds_return();
    FilledPage p("TF_wds18_1", d, 1);
    const std::pair<const char*, const char*> expected[] = {
        {"QRL_nip", "6 8 3 - 2 1 3 - 4 5 - 7 6"},
        {"QRL_rok", "2 0 1 8"},
        {"QRL_ilzalb", "1"},
        {"QRL_nazw", "Wąsowicz"},
        {"QRL_im", "Grzegorz"},
        {"QRL_dur", "14-09-1978"},
        {"QRL_mp1", "Prószków, ul. Opolska 15"},
        {"QRL_rp1", "Pszczelarstwo – pasieka stacjonarna"},
        {"QRL_nrdz1", "III/2017/2"},
        {"QRL_rozm1", "82,3"},  // one decimal
        {"QRL_prz1", "21.300,00"},
        {"QRL_ko1", "14.870,00"},
        {"QRL_doch1", "999.999,99"},  // as stored
        {"QRL_mp3", " Rosin 8 "},     // as stored, blanks kept
        {"QRL_prz3", "1.000,00"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(p.printed(name), text) << name;
    for (const char* stem : {"QRL_mp", "QRL_rp", "QRL_nrdz", "QRL_rozm", "QRL_prz", "QRL_ko", "QRL_doch"})
        EXPECT_EQ(p.printed(std::string(stem) + "2"), "") << stem;
}

// No department at all: page 1 shows the heading, poz. 3 and section A only;
// page 2 shows nothing but zero totals. No design caption survives.
TEST(Wds18, NoDepartmentLeavesOnlyTheHeadingAndZeroTotals) {
    HostData d = testing::joint_couple();
    FilledPage p1("TF_wds18_1", d, 1);
    for (const auto& e : p1.page().DB_dane.elements) {
        const std::string n = e.name;
        if (n == "QRL_nip" || n == "QRL_rok" || n == "QRL_ilzalb" || n == "QRL_nazw" || n == "QRL_im" || n == "QRL_dur")
            continue;
        EXPECT_EQ(p1.printed(n), "") << n;
    }
    EXPECT_EQ(p1.printed("QRL_ilzalb"), "1");
    EXPECT_EQ(p1.printed("QRL_rok"), "0");
    FilledPage p2("TF_wds18_2", d, 1);
    for (const auto& e : p2.page().DB_dane.elements) {
        const bool sum = e.name.ends_with("_sum");
        EXPECT_EQ(p2.printed(e.name), sum ? "0,00" : "") << e.name;
    }
}

// A department whose place is empty or blanks only is absent: nothing of it
// prints and its amounts stay out of the totals, even with every other field
// filled.
TEST(Wds18, DepartmentWithoutAPlaceIsAbsent) {
    for (const char* place : {"", "   "}) {
        SCOPED_TRACE(std::string("place '") + place + "'");
        HostData d = pitds_return();
        d.rek01.pitds[1].dsw[1].mp = place;
        d.rek01.pitds[1].dss[2].mps = place;
        FilledPage p1("TF_wds18_1", d, 1);
        for (const char* n : {"QRL_mp1", "QRL_rp1", "QRL_nrdz1", "QRL_rozm1", "QRL_prz1", "QRL_ko1", "QRL_doch1"})
            EXPECT_EQ(p1.printed(n), "") << n;
        FilledPage p2("TF_wds18_2", d, 1);
        for (const char* n : {"QRL_mps2", "QRL_rps2", "QRL_nrs2", "QRL_ros2", "QRL_uds2", "QRL_przs12", "QRL_przs22",
                              "QRL_kos12", "QRL_kos22", "QRL_dochs12", "QRL_dochs22"})
            EXPECT_EQ(p2.printed(n), "") << n;
        EXPECT_EQ(p2.printed("QRL_prz_sum"), "1.000,00");  // department 3 alone
        EXPECT_EQ(p2.printed("QRL_ko_sum"), "500,00");
        EXPECT_EQ(p2.printed("QRL_d_sum"), "500,00");
        EXPECT_EQ(p2.printed("QRL_st_sum"), "0,00");
    }
}

// A joint department prints both columns; only its parts attributable to the
// person (poz. 20 and 22) enter the totals, with the departments run alone.
TEST(Wds18_2, JointDepartmentAddsOnlyThePersonsParts) {
    HostData d = pitds_return();
    FilledPage p("TF_wds18_2", d, 1);
    const std::pair<const char*, const char*> expected[] = {
        {"QRL_mps2", "Rosin 8, pieczarkarnia"},
        {"QRL_rps2", "Uprawa grzybów – pieczarkarnia"},
        {"QRL_nrs2", "II/2016/14"},
        {"QRL_ros2", "620,0"},
        {"QRL_uds2", "33,3"},
        {"QRL_przs12", "124.000,00"},  // stem + column + department
        {"QRL_przs22", "41.333,33"},
        {"QRL_kos12", "98.700,00"},
        {"QRL_kos22", "32.900,00"},
        {"QRL_dochs12", "25.300,00"},
        {"QRL_dochs22", "-7.654,32"},
        // 21.300 + 1.000 + 41.333,33 and 14.870 + 500 + 32.900
        {"QRL_prz_sum", "63.633,33"},
        {"QRL_ko_sum", "48.270,00"},
        {"QRL_d_sum", "15.363,33"},
        {"QRL_st_sum", "0,00"},
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(p.printed(name), text) << name;
    for (const char* n : {"QRL_mps1", "QRL_przs11", "QRL_przs21", "QRL_mps3", "QRL_dochs23"})
        EXPECT_EQ(p.printed(n), "") << n;
}

// Costs above revenue: no income, the difference is the loss.
TEST(Wds18_2, CostsAboveRevenueMakeALoss) {
    struct Case {
        double prz, ko;
        const char *income, *loss;
    };
    const Case cases[] = {
        {100, 150, "0,00", "50,00"},
        {150, 100, "50,00", "0,00"},
        {100, 100, "0,00", "0,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.prz << " - " << c.ko);
        HostData d = testing::joint_couple();
        d.rek01.pitds[1].dsw[1] = alone("Prószków", c.prz / 2, c.ko);
        d.rek01.pitds[1].dss[3] = joint("Rosin", 1000, c.prz / 2, 1000, 0);
        FilledPage p("TF_wds18_2", d, 1);
        EXPECT_EQ(p.printed("QRL_d_sum"), c.income);
        EXPECT_EQ(p.printed("QRL_st_sum"), c.loss);
    }
}

// The spouse's pages read the spouse's block and identification.
TEST(Wds18, SpousesPagesReadTheSpousesBlock) {
    HostData d = pitds_return();
    FilledPage p1("TF_wds18_1", d, 2);
    EXPECT_EQ(p1.printed("QRL_nip"), "9 5 4 - 2 7 5 - 1 3 - 6 8");
    EXPECT_EQ(p1.printed("QRL_nazw"), "Wąsowicz-Przybyszewska");
    EXPECT_EQ(p1.printed("QRL_mp1"), "");
    EXPECT_EQ(p1.printed("QRL_mp2"), "Lubinicko 27");
    FilledPage p2("TF_wds18_2", d, 2);
    EXPECT_EQ(p2.printed("QRL_mps2"), "");
    EXPECT_EQ(p2.printed("QRL_prz_sum"), "18.400,00");
    EXPECT_EQ(p2.printed("QRL_ko_sum"), "15.920,00");
    EXPECT_EQ(p2.printed("QRL_d_sum"), "2.480,00");
}

TEST(Wds18, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    const Look text{Align::Center, false, true};
    const Look amount{Align::Right, true, true};
    std::map<std::string, Look> page1 = {
        {"QRL_nip", {Align::Center, false, false, true, FontClass::Value, false, 151}},
        {"QRL_rok", {}},
        {"QRL_ilzalb", {Align::Right, true}},
        {"QRL_dur", {}},
    };
    std::map<std::string, Look> page2;
    const auto fixed = [](Align a, int width) { return Look{a, false, true, true, FontClass::Value, false, width}; };
    for (const std::string k : {"1", "2", "3"}) {
        page1["QRL_mp" + k] = fixed(Align::Center, 597);
        page1["QRL_rp" + k] = fixed(Align::Center, 663);
        page1["QRL_nrdz" + k] = fixed(Align::Center, 245);
        page1["QRL_rozm" + k] = fixed(Align::Right, 70);
        for (const char* stem : {"QRL_prz", "QRL_ko", "QRL_doch"}) page1[stem + k] = amount;
        page2["QRL_mps" + k] = fixed(Align::Center, 626);
        page2["QRL_rps" + k] = fixed(Align::Center, 610);
        page2["QRL_nrs" + k] = fixed(Align::Center, 167);
        page2["QRL_ros" + k] = fixed(Align::Right, 108);
        page2["QRL_uds" + k] = fixed(Align::Right, 70);
    }
    for (const char* sum : {"QRL_prz_sum", "QRL_ko_sum", "QRL_d_sum", "QRL_st_sum"})
        page2[sum] = {Align::Right, false, true, true, FontClass::Sum, false, 130};
    testing::expect_label_looks("Wds18_1", text, page1);
    testing::expect_label_looks("Wds18_2", amount, page2);
    EXPECT_EQ(pages::layout_of("Wds18_1").elements.size(), 27U);
    EXPECT_EQ(pages::layout_of("Wds18_2").elements.size(), 37U);
    for (const char* sum : {"QRL_prz_sum", "QRL_ko_sum", "QRL_d_sum", "QRL_st_sum"})
        EXPECT_EQ(testing::designed_element("Wds18_2", sum)->rect.height, 21) << sum;
}

TEST(Wds18, TellingRectangles) {
    testing::expect_placed("Wds18_1", {
                                          {"QRL_nip", 131, 39, 151, 17},
                                          {"QRL_ilzalb", 657, 146},
                                          {"QRL_mp1", 177, 454},
                                          {"QRL_rp1", 93, 483},
                                          {"QRL_nrdz1", 126, 515},
                                          {"QRL_rozm1", 573, 513},
                                          {"QRL_prz1", 200, 578},
                                          {"QRL_ko1", 434, 578},
                                          {"QRL_doch1", 670, 578},
                                          {"QRL_mp2", 177, 679},
                                          {"QRL_doch3", 670, 1028},
                                      });
    testing::expect_placed("Wds18_2", {
                                          {"QRL_mps1", 130, 152},
                                          {"QRL_rps1", 147, 182},
                                          {"QRL_nrs1", 110, 213},
                                          {"QRL_ros1", 378, 213},
                                          {"QRL_uds1", 662, 214},
                                          {"QRL_przs11", 58, 328},
                                          {"QRL_przs21", 176, 328},
                                          {"QRL_kos11", 297, 328},
                                          {"QRL_kos21", 430, 328},
                                          {"QRL_dochs11", 553, 328},
                                          {"QRL_dochs21", 671, 328},
                                          {"QRL_mps2", 130, 429},
                                          {"QRL_przs13", 58, 882},
                                          {"QRL_prz_sum", 82, 992},
                                          {"QRL_ko_sum", 248, 992},
                                          {"QRL_d_sum", 438, 1003},
                                          {"QRL_st_sum", 629, 1003},
                                      });
}

}  // namespace
}  // namespace dek
