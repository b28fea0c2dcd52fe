#include <gtest/gtest.h>

#include <algorithm>
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
using testing::pit36_income_return;

TEST(W36182, SectionCMarksEachPersonsAnswer) {
    struct Case {
        int taxpayer, spouse;
        bool joint;
        std::vector<std::string> marked;
    };
    const Case cases[] = {
        {1, 2, true, {"QRL_idp1", "QRL_idm2"}},
        {2, 1, true, {"QRL_idp2", "QRL_idm1"}},
        {3, 4, true, {"QRL_idp3", "QRL_idm4"}},
        {5, 5, true, {"QRL_idp5", "QRL_idm5"}},
        {0, 3, true, {"QRL_idm3"}},
        {6, 255, true, {}},           // codes outside 1 to 5 mark nothing
        {4, 4, false, {"QRL_idp4"}},  // the spouse's answer only under joint taxation
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.taxpayer) + "/" + std::to_string(c.spouse) + (c.joint ? " joint" : ""));
        HostData d = pit36_income_return();
        d.rekdek.inf_dod[1] = static_cast<byte>(c.taxpayer);
        d.rekdek.inf_dod[2] = static_cast<byte>(c.spouse);
        if (!c.joint) d.rekdek.sp_opod = 0;
        FilledPage p("TF_w36182", d);
        for (const char* stem : {"QRL_idp", "QRL_idm"}) {
            for (int i = 1; i <= 5; ++i) {
                const std::string n = stem + std::to_string(i);
                const bool want = std::find(c.marked.begin(), c.marked.end(), n) != c.marked.end();
                EXPECT_EQ(p.printed(n), want ? "x" : "") << n;
            }
        }
    }
}

// Poz. 41b and the years of poz. 42: the taxpayer's year for answer 4, moved
// into the deceased entrepreneur's place (left 550) when the enterprise in
// inheritance makes the additions; the spouse's for answer 4 under joint
// taxation only.
TEST(W36182, Poz41bMarksAndMovesTheTaxpayersYear) {
    struct Case {
        int answer;
        int dol_spadek;
        int spouse_answer;
        bool joint;
        const char* x41b;
        const char* year_p;
        int left_p;
        const char* year_m;
    };
    const Case cases[] = {
        {4, 0, 4, true, "", "2 0 1 5", 98, "2 0 1 6"},
        {4, 1, 1, true, "X", "2 0 1 5", 550, ""},
        {1, 1, 0, true, "X", "2 0 1 5", 550, ""},  // 41b alone prints the year, whatever the answer
        {3, 0, 0, true, "", "", 98, ""},           // answer 3: poz. 39 only, no year
        {0, 2, 0, true, "", "", 98, ""},           // only the code 1 means poz. 41b
        {4, 0, 4, false, "", "2 0 1 5", 98, ""},   // the spouse's year only under joint taxation
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("answer " + std::to_string(c.answer) + " 41b " + std::to_string(c.dol_spadek) + " spouse " +
                     std::to_string(c.spouse_answer) + (c.joint ? " joint" : ""));
        HostData d = pit36_income_return();
        d.rekdek.inf_dod[1] = static_cast<byte>(c.answer);
        d.rekdek.inf_dod[2] = static_cast<byte>(c.spouse_answer);
        d.rekdek.dol_spadek = static_cast<byte>(c.dol_spadek);
        if (!c.joint) d.rekdek.sp_opod = 0;
        FilledPage p("TF_w36182", d);
        EXPECT_EQ(p.printed("QRL_idp6"), c.x41b);
        EXPECT_EQ(p.printed("QRL_rokzw_p"), c.year_p);
        EXPECT_EQ(p.element("QRL_rokzw_p").rect.left, c.left_p);
        EXPECT_EQ(p.printed("QRL_rokzw_m"), c.year_m);
        EXPECT_EQ(p.printed("QRL_idm4"), c.joint && c.spouse_answer == 4 ? "x" : "");
    }
    // A year of 0 is none given: its box stays empty for either person.
    {
        HostData d = pit36_income_return();
        d.rekdek.inf_dod[1] = 4;
        d.rekdek.inf_dod[2] = 4;
        d.rekdek.pitz[1].rokzw = 0;
        d.rekdek.pitz[2].rokzw = 0;
        FilledPage p("TF_w36182", d);
        EXPECT_EQ(p.printed("QRL_rokzw_p"), "");
        EXPECT_EQ(p.printed("QRL_rokzw_m"), "");
    }
    // A page printed afresh starts from the design place again.
    HostData d = pit36_income_return();
    d.rekdek.inf_dod[1] = 4;
    FilledPage p("TF_w36182", d);
    EXPECT_EQ(p.element("QRL_rokzw_p").rect.left, 98);
}

// Rows split into income and loss: rows 1 and 4 to 8 of the record, and the
// single-precision rows of the sale of things and the unregistered activity.
TEST(W36182, IncomeSplitsIntoIncomeAndLossColumns) {
    struct Case {
        double doch;
        const char* income;
        const char* loss;
    };
    const Case cases[] = {
        {-1234.5, "0,00", "1.234,50"},
        {0.0, "0,00", "0,00"},
        {0.5, "0,50", "0,00"},
        {1234.5, "1.234,50", "0,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.doch);
        HostData d = pit36_income_return();
        for (int i : {1, 4, 5, 6, 7, 8}) d.rekdek.dochody[1].zr[i] = wiersz_zr{5000.0, 6234.5, c.doch, 149.5};
        d.rekdek.poz[1] = {5000.0f, 6234.5f, static_cast<float>(c.doch)};
        d.rekdek.nrej[1] = {5000.0f, 6234.5f, static_cast<float>(c.doch)};
        FilledPage p("TF_w36182", d);
        for (const char* prefix :
             {"QRL_pp1", "QRL_pp4", "QRL_pp5", "QRL_pp6", "QRL_pp7", "QRL_pp8", "QRL_pozp", "QRL_nrejp"}) {
            SCOPED_TRACE(prefix);
            const std::string s = prefix;
            EXPECT_EQ(p.printed(s + "1"), "5.000,00");
            EXPECT_EQ(p.printed(s + "2"), "6.234,50");
            EXPECT_EQ(p.printed(s + "3"), c.income);
            EXPECT_EQ(p.printed(s + "4"), c.loss);
            // The advance in whole złoty; the single-precision rows have none.
            if (s.starts_with("QRL_pp")) {
                EXPECT_EQ(p.printed(s + "5"), "150");
            }
        }
    }
}

// The business row: the loss column follows the section-C answer; the income
// column shows the income when it is zero or more.
TEST(W36182, BusinessRowFollowsTheExemptionAnswer) { testing::expect_business_row("TF_w36182", 1); }

// Pensions and the totals print the income as it is; other sources come from
// the record's row 8 (the form's row 10) and the totals from row 9.
TEST(W36182, PensionsOtherSourcesAndTotals) {
    HostData d = pit36_income_return();
    auto& t = d.rekdek.dochody[1];
    t.zr[2] = wiersz_zr{800.0, 55.0, -300.25, 12.0};
    t.zr[8] = wiersz_zr{1250.0, 0.0, 1250.0, 0.0};
    t.zr[9] = wiersz_zr{730460.09, 672792.84, -1500.75, 2140.0};
    FilledPage p("TF_w36182", d);
    EXPECT_EQ(p.printed("QRL_pp21"), "800,00");
    EXPECT_EQ(p.printed("QRL_pp23"), "-300,25");
    EXPECT_EQ(p.printed("QRL_pp25"), "12");
    EXPECT_EQ(p.printed("QRL_pp81"), "1.250,00");
    EXPECT_EQ(p.printed("QRL_pp83"), "1.250,00");
    EXPECT_EQ(p.printed("QRL_pp91"), "730.460,09");
    EXPECT_EQ(p.printed("QRL_pp92"), "672.792,84");
    EXPECT_EQ(p.printed("QRL_pp93"), "-1.500,75");
    EXPECT_EQ(p.printed("QRL_pp95"), "2.140");
    // Shaded cells and cells of the next page have no label here.
    for (const char* n : {"QRL_pp22", "QRL_pp24", "QRL_pp94", "QRL_pozp5", "QRL_nrejp5", "QRL_pm31", "QRL_pm_zwol"})
        EXPECT_EQ(p.page().DB_dane.find(n), nullptr) << n;
    EXPECT_EQ(p.printed("QRL_pp11_1"), "501,00");
    EXPECT_EQ(p.printed("QRL_pp12_1"), "250,00");
    EXPECT_EQ(p.printed("QRL_pp71_1"), "301,00");
    EXPECT_EQ(p.printed("QRL_pp72_1"), "150,00");
}

TEST(W36182, SpouseRowsOneAndTwoOnlyUnderJointTaxation) {
    const std::map<std::string, std::string> spouse = {
        {"QRL_pm11", "1.002,00"}, {"QRL_pm12", "100,00"},   {"QRL_pm13", "902,00"},   {"QRL_pm14", "0,00"},
        {"QRL_pm15", "10"},       {"QRL_pm21", "2.002,00"}, {"QRL_pm23", "1.802,00"}, {"QRL_pm25", "20"},
        {"QRL_pm11_1", "502,00"}, {"QRL_pm12_1", "250,00"},
    };
    {
        HostData d = pit36_income_return();
        FilledPage p("TF_w36182", d);
        for (const auto& [name, value] : spouse) EXPECT_EQ(p.printed(name), value) << name;
    }
    for (auto& [what, d] : testing::not_joint_returns(pit36_income_return())) {
        SCOPED_TRACE(what);
        FilledPage p("TF_w36182", d);
        for (const auto& entry : spouse) EXPECT_EQ(p.printed(entry.first), "") << entry.first;
        EXPECT_EQ(p.printed("QRL_pp11"), "1.001,00");
    }
}

// Labels over their boxes: the squares in the mark font, sized to the mark;
// the years left-aligned and opaque, 60 pixels wide; the table's amounts
// right-aligned, opaque and of fixed width.
TEST(W36182, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look mark{Align::Center, true, false, true, FontClass::Mark};
    const Look year{.align = Align::Left, .opaque = true, .width = 60};
    std::map<std::string, Look> other = {{"QRL_idp6", mark}, {"QRL_rokzw_p", year}, {"QRL_rokzw_m", year}};
    for (int i = 1; i <= 5; ++i) {
        other["QRL_idp" + std::to_string(i)] = mark;
        other["QRL_idm" + std::to_string(i)] = mark;
    }
    testing::expect_label_looks("W36182", Look{.align = Align::Right, .opaque = true, .width = 100}, other);
    testing::expect_placed("W36182", {{"QRL_idp1", 65, 86, 8, 14},
                                      {"QRL_idm1", 128, 88, 8, 14},
                                      {"QRL_idp6", 103, 188},
                                      {"QRL_rokzw_p", 98, 234, 60, 17},
                                      {"QRL_rokzw_m", 312, 234, 60, 17},
                                      {"QRL_pp11", 224, 390, 100, 17},
                                      {"QRL_pp12", 328, 390},
                                      {"QRL_pp13", 432, 390},
                                      {"QRL_pp14", 538, 390},
                                      {"QRL_pp15", 652, 390},
                                      {"QRL_pp_zwol", 432, 534},
                                      {"QRL_pozp1", 224, 746},
                                      {"QRL_nrejp1", 224, 778},
                                      {"QRL_pp91", 224, 840},
                                      {"QRL_pm11", 224, 896},
                                      {"QRL_pm21", 224, 983}});
    // The taxpayer's year lies in a field wide enough for the deceased
    // entrepreneur's place too, so the move never shrinks it.
    const report::Element* year_p = testing::designed_element("W36182", "QRL_rokzw_p");
    ASSERT_NE(year_p, nullptr);
    report::Rect field;
    ASSERT_TRUE(pages::form_of("W36182").area(year_p->field, field));
    EXPECT_LE(field.left, year_p->rect.left);
    EXPECT_GE(field.right(), 550 + year_p->rect.width);
}

}  // namespace
}  // namespace dek
