#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit36_cases.h"

namespace dek {
namespace {

using testing::FilledPage;

// The PIT-36 income return with a distinct amount in every box of sections E
// and F, taxpayer and spouse.
HostData joint_return() {
    HostData d = testing::pit36_income_return();
    auto& r = d.rekdek;
    for (int k = 1; k <= 2; ++k) {
        auto& t = r.dochody[k];
        t.dzw = 11.0 * k;
        t.str = 22.0 * k;
        t.zus_zagr = 33.0 * k;
        t.dpo_zs = 44.0 * k;
        t.po = 55.0 * k;
    }
    r.dochody[1].zr_str = "  pozarolnicza działalność, 2016  ";
    r.dzw63b = 1234.5f;
    r.dzw63b_m = 2345.25f;
    r.zmar = 777.75f;
    r.pito.odl[1] = 9783.24;
    r.pito_m.odl[1] = 4321.09;
    r.br = 16250.4;
    r.br_m = 100.01;
    r.br1 = 15000.5;
    r.br1_m = 200.02;
    r.brn = 0.0;
    r.brn_m = 300.03;
    r.ods = 4560.0;
    return d;
}

// Every spouse label of the page: rows 3 to 11 of the table, poz. 113, the
// 50 % sub-row, and the spouse's column of D.3 to F.
std::vector<std::string> spouse_labels() {
    std::vector<std::string> names = {"QRL_pm_zwol",   "QRL_pm71_1", "QRL_pm72_1", "QRL_pm91",      "QRL_pm92",
                                      "QRL_pm93",      "QRL_pm95",   "QRL_pm1",    "QRL_zm1",       "QRL_dzw1",
                                      "QRL_21_1_63b1", "QRL_str1",   "QRL_zus1",   "QRL_zus_zagr1", "QRL_dpo1",
                                      "QRL_po1",       "QRL_brm",    "QRL_br1m",   "QRL_brnm"};
    for (int i = 3; i <= 8; ++i)
        for (int j = 1; j <= 5; ++j) names.push_back("QRL_pm" + std::to_string(i) + std::to_string(j));
    for (int j = 1; j <= 4; ++j) {
        names.push_back("QRL_pozm" + std::to_string(j));
        names.push_back("QRL_nrejm" + std::to_string(j));
    }
    return names;
}

TEST(W36183, SpouseRowsUnderJointTaxation) {
    HostData d = joint_return();
    d.rekdek.dochody[2].zr[5].doch = -1500.0;
    FilledPage p("TF_w36183", d);
    EXPECT_EQ(p.printed("QRL_pm41"), "4.002,00");
    EXPECT_EQ(p.printed("QRL_pm43"), "3.602,00");
    EXPECT_EQ(p.printed("QRL_pm44"), "0,00");
    EXPECT_EQ(p.printed("QRL_pm45"), "40");
    EXPECT_EQ(p.printed("QRL_pm53"), "0,00");
    EXPECT_EQ(p.printed("QRL_pm54"), "1.500,00");
    EXPECT_EQ(p.printed("QRL_pm71_1"), "302,00");
    EXPECT_EQ(p.printed("QRL_pm72_1"), "150,00");
    // The sale of things and the unregistered activity, from the spouse's
    // single-precision rows; a loss goes to column 4.
    EXPECT_EQ(p.printed("QRL_pozm1"), "3.502,00");
    EXPECT_EQ(p.printed("QRL_pozm3"), "1.400,00");
    EXPECT_EQ(p.printed("QRL_pozm4"), "0,00");
    EXPECT_EQ(p.printed("QRL_nrejm1"), "1.802,00");
    EXPECT_EQ(p.printed("QRL_nrejm2"), "2.220,00");
    EXPECT_EQ(p.printed("QRL_nrejm3"), "0,00");
    EXPECT_EQ(p.printed("QRL_nrejm4"), "420,50");
    // Other sources are the record's row 8, the totals its row 9.
    EXPECT_EQ(p.printed("QRL_pm81"), "8.002,00");
    EXPECT_EQ(p.printed("QRL_pm85"), "80");
    EXPECT_EQ(p.printed("QRL_pm91"), "9.002,00");
    EXPECT_EQ(p.printed("QRL_pm93"), "8.102,00");
    EXPECT_EQ(p.printed("QRL_pm95"), "90");
    for (const char* n : {"QRL_pm11", "QRL_pm21", "QRL_pm94", "QRL_pm11_1", "QRL_pp31"})
        EXPECT_EQ(p.page().DB_dane.find(n), nullptr) << n;
}

// The spouse's business row follows the spouse's own answer, never the
// taxpayer's.
TEST(W36183, SpouseBusinessRowFollowsTheSpousesAnswer) { testing::expect_business_row("TF_w36183", 2); }

// Not taxed jointly: every spouse label of the page is empty, whatever the
// record holds for the spouse; the taxpayer's column prints as ever.
TEST(W36183, WithoutJointTaxationTheSpouseLabelsStayEmpty) {
    HostData joint = joint_return();
    joint.rekdek.inf_dod[2] = 3;
    joint.rekdek.dochody[2].pm = 500.0;
    joint.rekdek.dochody[2].pm_obu = 1;
    for (auto& [what, d] : testing::not_joint_returns(joint)) {
        SCOPED_TRACE(what);
        FilledPage p("TF_w36183", d);
        for (const auto& n : spouse_labels()) EXPECT_EQ(p.printed(n), "") << n;
        EXPECT_EQ(p.printed("QRL_pm"), "0,00");
        EXPECT_EQ(p.printed("QRL_zus"), "9.783,24");
        EXPECT_EQ(p.printed("QRL_ods"), "4.560,00");
    }
}

// PIT/M: each person's own income and advance; the other's added when the
// spouses are taxed jointly and the other gave theirs to both (`pm_obu` 1).
TEST(W36183, PitMSumsCrossAddedOnlyJointlyAndWhenGivenToBoth) {
    struct Case {
        const char* what;
        bool joint;
        int obu_p, obu_m;
        const char *pm, *pm1, *zm, *zm1;
    };
    const Case cases[] = {
        {"joint, taxpayer gives to both", true, 1, 0, "1.000,00", "1.500,00", "91", "136"},
        {"joint, both give to both", true, 1, 1, "1.500,00", "1.500,00", "136", "136"},
        {"joint, none", true, 0, 0, "1.000,00", "500,00", "91", "45"},
        {"joint, code 2 is not 1", true, 2, 2, "1.000,00", "500,00", "91", "45"},
        {"individual, taxpayer gives to both", false, 1, 1, "1.000,00", "", "91", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = joint_return();
        if (!c.joint) d.rekdek.sp_opod = 0;
        auto& p_ = d.rekdek.dochody[1];
        auto& m_ = d.rekdek.dochody[2];
        p_.pm = 1000.0;
        p_.zm = 90.6;  // whole złoty: 91
        p_.pm_obu = static_cast<byte>(c.obu_p);
        m_.pm = 500.0;
        m_.zm = 45.2;
        m_.pm_obu = static_cast<byte>(c.obu_m);
        FilledPage p("TF_w36183", d);
        EXPECT_EQ(p.printed("QRL_pm"), c.pm);
        EXPECT_EQ(p.printed("QRL_pm1"), c.pm1);
        EXPECT_EQ(p.printed("QRL_zm"), c.zm);
        EXPECT_EQ(p.printed("QRL_zm1"), c.zm1);
    }
}

TEST(W36183, SectionsEAndFInTwoColumns) {
    HostData d = joint_return();
    FilledPage p("TF_w36183", d);
    const std::map<std::string, std::string> want = {
        {"QRL_dzw", "11,00"},
        {"QRL_dzw1", "22,00"},
        {"QRL_21_1_63b", "1.234,50"},
        {"QRL_21_1_63b1", "2.345,25"},
        {"QRL_str", "22,00"},
        {"QRL_str1", "44,00"},
        {"QRL_zmar", "777,75"},
        {"QRL_zus", "9.783,24"},
        {"QRL_zus1", "4.321,09"},
        {"QRL_zus_zagr", "33,00"},
        {"QRL_zus_zagr1", "66,00"},
        {"QRL_dpo", "44,00"},
        {"QRL_dpo1", "88,00"},
        {"QRL_po", "55,00"},
        {"QRL_po1", "110,00"},
        {"QRL_br", "16.250,40"},
        {"QRL_brm", "100,01"},
        {"QRL_br1", "15.000,50"},
        {"QRL_br1m", "200,02"},
        {"QRL_brn", "0,00"},
        {"QRL_brnm", "300,03"},
        {"QRL_ods", "4.560,00"},
        {"QRL_zr_str", "pozarolnicza działalność, 2016"},  // trimmed
    };
    for (const auto& [name, value] : want) EXPECT_EQ(p.printed(name), value) << name;
}

// The table's amounts are right-aligned, opaque and 100 pixels wide (poz. 113
// 96); the amounts of D.3 to F are sized to their text; the losses' sources
// are a line of regular weight, 409 pixels wide.
TEST(W36183, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look table{.align = Align::Right, .opaque = true, .width = 100};
    std::map<std::string, Look> other = {
        {"QRL_pm_zwol", {.align = Align::Right, .opaque = true, .width = 96}},
        {"QRL_zr_str", {.align = Align::Right, .opaque = true, .font = FontClass::Plain, .width = 409}},
    };
    for (const auto& e : pages::layout_of("W36183").elements) {
        const bool in_table =
            e.name.starts_with("QRL_pm") && e.name != "QRL_pm" && e.name != "QRL_pm1" && e.name != "QRL_pm_zwol";
        if (in_table || e.name.starts_with("QRL_pozm") || e.name.starts_with("QRL_nrejm")) other.emplace(e.name, table);
    }
    testing::expect_label_looks("W36183", Look{Align::Right, true, true}, other);
    testing::expect_placed("W36183", {{"QRL_pm31", 246, 45, 100, 17},
                                      {"QRL_pm32", 352, 45},
                                      {"QRL_pm33", 458, 45},
                                      {"QRL_pm34", 564, 45},
                                      {"QRL_pm35", 670, 45},
                                      {"QRL_pm_zwol", 460, 72, 96, 17},
                                      {"QRL_pozm1", 246, 272},
                                      {"QRL_nrejm1", 246, 306},
                                      {"QRL_pm91", 246, 369},
                                      {"QRL_pm", 554, 456},
                                      {"QRL_pm1", 688, 456},
                                      {"QRL_zr_str", 70, 626, 409, 17},
                                      {"QRL_ods", 686, 998}});
    const report::Layout& layout = pages::layout_of("W36183");
    EXPECT_DOUBLE_EQ(layout.settings.margin_left_mm, 1.0);
    EXPECT_DOUBLE_EQ(layout.settings.margin_right_mm, 1.0);
    EXPECT_EQ(layout.band, (report::Rect{4, 11, 786, 1100}));
}

}  // namespace
}  // namespace dek
