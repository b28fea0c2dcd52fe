#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

// Every value label of one person's table C.1 / C.2 ("p" or "m").
std::vector<std::string> table_labels(const std::string& letter) {
    std::vector<std::string> names;
    const std::string stem = "QRL_p" + letter;
    for (const char* cell :
         {"11", "12", "13", "14", "15",   "11_1", "12_1", "21", "23", "25", "31", "32", "33", "34", "35", "41",
          "42", "43", "44", "45", "41_1", "42_1", "51",   "52", "53", "54", "55", "61", "62", "63", "65"})
        names.push_back(stem + cell);
    return names;
}

HostData joint_return() {
    HostData d;
    auto& r = d.rekdek;
    r.sp_opod = 1;
    for (int k = 1; k <= 2; ++k) {
        auto& t = r.dochody[k];
        for (int i = 1; i <= 9; ++i) t.zr[i] = wiersz_zr{1000.0 * i + k, 100.0 * i, 900.0 * i + k, 10.0 * i + 0.4};
        t.po = 250.5 * k;
        r.k50[k] = dane_k50{500.0 + k, 250.0, 300.0 + k, 150.0};
    }
    r.pito.odl[1] = 4321.09;
    r.pito_m.odl[1] = 1234.56;
    r.ods = 12.3;
    r.dpo = 98765.43;
    r.pdbiez = 0;
    return d;
}

TEST(W37182, IncomeSplitsIntoIncomeAndLossColumns) {
    struct Case {
        double doch;
        const char* income;  // column 3
        const char* loss;    // column 4
    };
    const Case cases[] = {
        {-1234.50, "0,00", "1.234,50"},
        {0.0, "0,00", "0,00"},
        {1234.50, "1.234,50", "0,00"},
        {-0.004, "0,00", "0,00"},  // a loss below half a grosz rounds to 0,00, never "-0,00"
    };
    for (const auto& c : cases) {
        for (int row : {1, 3, 4, 5}) {
            for (int k : {1, 2}) {
                SCOPED_TRACE("doch " + std::to_string(c.doch) + " row " + std::to_string(row) + " person " +
                             std::to_string(k));
                HostData d = joint_return();
                d.rekdek.dochody[k].zr[row] = wiersz_zr{5000.0, 6234.5, c.doch, 149.5};
                FilledPage p("TF_w37182", d);
                const std::string prefix = std::string("QRL_p") + (k == 1 ? "p" : "m") + std::to_string(row);
                EXPECT_EQ(p.printed(prefix + "1"), "5.000,00");
                EXPECT_EQ(p.printed(prefix + "2"), "6.234,50");
                EXPECT_EQ(p.printed(prefix + "3"), c.income);
                EXPECT_EQ(p.printed(prefix + "4"), c.loss);
                EXPECT_EQ(p.printed(prefix + "5"), "150");  // advance in whole złoty
            }
        }
    }
}

TEST(W37182, PensionsAndTotalsPrintTheIncomeUnsplit) {
    HostData d = joint_return();
    auto& t = d.rekdek.dochody[1];
    t.zr[2] = wiersz_zr{800.0, 0.0, -300.25, 12.0};
    t.zr[6] = wiersz_zr{1.0, 2.0, 3.0, 4.0};  // rows 6 to 8 never reach this page
    t.zr[7] = wiersz_zr{5.0, 6.0, 7.0, 8.0};
    t.zr[9] = wiersz_zr{70000.0, 20000.5, -1500.75, 7001.0};
    FilledPage p("TF_w37182", d);
    EXPECT_EQ(p.printed("QRL_pp21"), "800,00");
    EXPECT_EQ(p.printed("QRL_pp23"), "-300,25");
    EXPECT_EQ(p.printed("QRL_pp25"), "12");
    EXPECT_EQ(p.printed("QRL_pp61"), "70.000,00");
    EXPECT_EQ(p.printed("QRL_pp62"), "20.000,50");
    EXPECT_EQ(p.printed("QRL_pp63"), "-1.500,75");
    EXPECT_EQ(p.printed("QRL_pp65"), "7.001");
    // The shaded cells have no label at all.
    for (const char* n : {"QRL_pp22", "QRL_pp24", "QRL_pp64", "QRL_pm22", "QRL_pm24", "QRL_pm64"})
        EXPECT_EQ(p.page().DB_dane.find(n), nullptr) << n;
}

TEST(W37182, JointTaxationFillsBothTablesAndTheSpouseColumn) {
    HostData d = joint_return();
    FilledPage p("TF_w37182", d);
    for (const auto& [letter, k] : {std::pair{"p", 1}, std::pair{"m", 2}}) {
        const std::string s = std::string("QRL_p") + letter;
        SCOPED_TRACE(s);
        EXPECT_EQ(p.printed(s + "11"), "1.00" + std::to_string(k) + ",00");
        EXPECT_EQ(p.printed(s + "43"), "3.60" + std::to_string(k) + ",00");
        EXPECT_EQ(p.printed(s + "61"), "9.00" + std::to_string(k) + ",00");  // from zr[9]
        EXPECT_EQ(p.printed(s + "65"), "90");
        EXPECT_EQ(p.printed(s + "11_1"), "50" + std::to_string(k) + ",00");
        EXPECT_EQ(p.printed(s + "12_1"), "250,00");
        EXPECT_EQ(p.printed(s + "41_1"), "30" + std::to_string(k) + ",00");
        EXPECT_EQ(p.printed(s + "42_1"), "150,00");
    }
    EXPECT_EQ(p.printed("QRL_zus"), "4.321,09");
    EXPECT_EQ(p.printed("QRL_zus1"), "1.234,56");
    EXPECT_EQ(p.printed("QRL_po"), "250,50");
    EXPECT_EQ(p.printed("QRL_po1"), "501,00");
    EXPECT_EQ(p.printed("QRL_ods"), "12,30");
    EXPECT_EQ(p.printed("QRL_dpo"), "98.765,43");
    EXPECT_EQ(p.printed("QRL_pdbiez"), "0,00");  // zero prints in section D too
}

TEST(W37182, WithoutJointTaxationTheSpouseCellsStayEmpty) {
    struct Case {
        const char* what;
        int sp_opod;
        CodeSet set;
    };
    const Case cases[] = {
        {"individual", 0, CodeSet::of({1})},
        {"single parent", 3, CodeSet::of({1})},
        {"joint code not in the set", 1, CodeSet::of({2})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = joint_return();
        d.rekdek.sp_opod = static_cast<byte>(c.sp_opod);
        d.wsp_z_malz = c.set;
        FilledPage p("TF_w37182", d);
        const auto spouse = table_labels("m");
        ASSERT_EQ(spouse.size(), 31U);
        for (const auto& n : spouse) EXPECT_EQ(p.printed(n), "") << n;
        EXPECT_EQ(p.printed("QRL_zus1"), "");
        EXPECT_EQ(p.printed("QRL_po1"), "");
        // The taxpayer's side is untouched by it.
        EXPECT_EQ(p.printed("QRL_pp11"), "1.001,00");
        EXPECT_EQ(p.printed("QRL_zus"), "4.321,09");
        EXPECT_EQ(p.printed("QRL_po"), "250,50");
    }
}

TEST(W37182, AnEmptyReturnPrintsZerosNotSamples) {
    HostData d;
    d.rekdek.sp_opod = 1;
    FilledPage p("TF_w37182", d);
    for (const auto& n : table_labels("p")) {
        const bool whole = n.back() == '5';
        EXPECT_EQ(p.printed(n), whole ? "0" : "0,00") << n;
    }
    for (const char* n : {"QRL_zus", "QRL_zus1", "QRL_po", "QRL_po1", "QRL_ods", "QRL_dpo", "QRL_pdbiez"})
        EXPECT_EQ(p.printed(n), "0,00") << n;
}

// All 69 labels are amounts: bold, right-aligned, sized to their text,
// transparent and enabled.
TEST(W37182, EveryLabelIsARightAlignedAmount) {
    const report::Layout& layout = pages::layout_of("W37182");
    EXPECT_EQ(layout.elements.size(), 69U);
    for (const auto& e : layout.elements) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.kind, report::ElementKind::Label);
        EXPECT_EQ(e.alignment, report::Align::Right);
        EXPECT_TRUE(e.auto_size);
        EXPECT_FALSE(e.opaque);
        EXPECT_TRUE(e.enabled);
        EXPECT_EQ(e.font, report::FontClass::Value);
    }
    for (const char* letter : {"p", "m"})
        for (const auto& n : table_labels(letter))
            EXPECT_NE(layout.elements.end(), std::find_if(layout.elements.begin(), layout.elements.end(),
                                                          [&](const report::Element& e) { return e.name == n; }))
                << n;
}

}  // namespace
}  // namespace dek
