// PIT-36 page 5/7: poz. 217 and 218, the packed monthly advances of section K
// with their totals, the art. 30g cells, section L and poz. 328 and 329.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit36_cases.h"

namespace dek {
namespace {

using testing::FilledPage;

std::string n(const char* stem, int i) { return stem + std::to_string(i); }

// The labels of one person's advances: months by stem, then the two totals.
struct AdvanceLabels {
    const char *due, *paid, *due_total, *paid_total;
};
const AdvanceLabels kTaxpayer{"QRL_44_1p", "QRL_44_1pz", "QRLsp", "QRLspz"};
const AdvanceLabels kSpouse{"QRL_44_1m", "QRL_44_1mz", "QRLsm", "QRLsmz"};

// The art. 30g cells of each person, in the order of their boxes.
const int kTaxpayerCells[] = {48, 1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                              13, 14, 15, 16, 17, 49, 24, 25, 26, 27, 28, 29, 50};
const int kSpouseCells[] = {18, 19, 20, 21, 22, 23, 30, 31, 32, 33, 34, 35, 36,
                            37, 38, 39, 40, 41, 51, 42, 43, 44, 45, 46, 47, 52};

TEST(W36185, AdvancesSplitIntoDueAndPaidWithTheirTotals) {
    struct Case {
        const char* what;
        std::array<double, 12> packed;  // months I to XII
        const char *due1, *paid1, *due12, *paid12, *due_total, *paid_total;
    };
    const Case cases[] = {
        {"12 000 due and 450 paid in January", {1200000450.0}, "12.000", "450", "0", "0", "12.000", "450"},
        {"a negative value: both parts negative",
         {-1200000450.0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300000000.0},
         "-12.000",
         "-450",
         "3.000",
         "0",
         "-9.000",
         "-450"},
        {"paid only, below 100 000",
         {2500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 99999},
         "0",
         "2.500",
         "0",
         "99.999",
         "0",
         "102.499"},
        {"100 paid every month",
         {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
         "0",
         "100",
         "0",
         "100",
         "0",
         "1.200"},
        {"the sample's months",
         {0, 0, 41200412, 38800388, 0, 50600506, 0, 0, 47400400, 74, 0, 0},
         "0",
         "0",
         "0",
         "0",
         "1.780",
         "1.780"},
        {"nothing paid", {}, "0", "0", "0", "0", "0", "0"},
    };
    // Each case once in the taxpayer's months and once in the spouse's: the
    // other person's boxes then show zeros.
    for (const auto& c : cases) {
        for (int k = 1; k <= 2; ++k) {
            SCOPED_TRACE(::testing::Message() << c.what << ", person " << k);
            HostData d;
            d.rekdek.sp_opod = 1;
            for (int m = 1; m <= 12; ++m) d.rekdek.mies[k].zal44[m] = c.packed[m - 1];
            FilledPage p("TF_w36185", d);
            const AdvanceLabels& l = k == 1 ? kTaxpayer : kSpouse;
            const AdvanceLabels& other = k == 1 ? kSpouse : kTaxpayer;
            EXPECT_EQ(p.printed(n(l.due, 1)), c.due1);
            EXPECT_EQ(p.printed(n(l.paid, 1)), c.paid1);
            EXPECT_EQ(p.printed(n(l.due, 12)), c.due12);
            EXPECT_EQ(p.printed(n(l.paid, 12)), c.paid12);
            EXPECT_EQ(p.printed(l.due_total), c.due_total);
            EXPECT_EQ(p.printed(l.paid_total), c.paid_total);
            for (int m = 1; m <= 12; ++m) {
                EXPECT_EQ(p.printed(n(other.due, m)), "0");
                EXPECT_EQ(p.printed(n(other.paid, m)), "0");
            }
            EXPECT_EQ(p.printed(other.due_total), "0");
            EXPECT_EQ(p.printed(other.paid_total), "0");
        }
    }
}

TEST(W36185, MonthsLandInTheirOwnBoxes) {
    HostData d;
    d.rekdek.sp_opod = 1;
    for (int m = 1; m <= 12; ++m) {
        d.rekdek.mies[1].zal44[m] = m * 100000.0 + m;         // due m, paid m
        d.rekdek.mies[2].zal44[m] = m * 1000 * 100000.0 + 7;  // due m 000, paid 7
    }
    FilledPage p("TF_w36185", d);
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(p.printed(n("QRL_44_1p", m)), std::to_string(m));
        EXPECT_EQ(p.printed(n("QRL_44_1pz", m)), std::to_string(m));
        EXPECT_EQ(p.printed(n("QRL_44_1m", m)), std::to_string(m) + ".000");
        EXPECT_EQ(p.printed(n("QRL_44_1mz", m)), "7");
    }
    EXPECT_EQ(p.printed("QRLsp"), "78");
    EXPECT_EQ(p.printed("QRLspz"), "78");
    EXPECT_EQ(p.printed("QRLsm"), "78.000");
    EXPECT_EQ(p.printed("QRLsmz"), "84");
}

// Under individual taxation the whole of K.2 is empty, the spouse's art. 30g
// cells included; the taxpayer's cells (QRL24 to QRL29 among them) show zero.
TEST(W36185, Art30gCellsAndTheSpouseBlock) {
    HostData joint_return;
    joint_return.rekdek.sp_opod = 1;
    for (int m = 1; m <= 12; ++m) joint_return.rekdek.mies[2].zal44[m] = 1200000450.0;
    auto returns = testing::not_joint_returns(joint_return);
    returns.emplace_back("joint", joint_return);
    for (auto& [what, d] : returns) {
        SCOPED_TRACE(what);
        FilledPage p("TF_w36185", d);
        const bool joint = what == "joint";
        for (int i : kTaxpayerCells) EXPECT_EQ(p.printed(n("QRL", i)), "0") << i;
        for (int i : kSpouseCells) EXPECT_EQ(p.printed(n("QRL", i)), joint ? "0" : "") << i;
        for (int m = 1; m <= 12; ++m) {
            EXPECT_EQ(p.printed(n("QRL_44_1m", m)), joint ? "12.000" : "") << m;
            EXPECT_EQ(p.printed(n("QRL_44_1mz", m)), joint ? "450" : "") << m;
        }
        EXPECT_EQ(p.printed("QRLsm"), joint ? "144.000" : "");
        EXPECT_EQ(p.printed("QRLsmz"), joint ? "5.400" : "");
    }
}

TEST(W36185, SectionLOnlyWithADifferenceLeft) {
    struct Case {
        const char* what;
        bool joint;
        double dz, dz_m, rozn;
        bool applies;
    };
    const Case cases[] = {
        {"joint, every difference", true, 443.29, 4812.06, 5255.35, true},
        {"joint, only the spouse's difference", true, 0, 4812.06, 0, true},
        {"individual, only the amount to refund", false, 0, 0, 5255.35, true},
        {"individual, only the spouse's difference", false, 0, 4812.06, 0, false},
        {"joint, contributions but no difference", true, 0, 0, 0, false},
    };
    const char* const labels[] = {"QRL_uz_zus1", "QRL_uz_zus2", "QRL_uz_dz1", "QRL_uz_dz2", "QRL_uz_rozn"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d;
        d.rekdek.sp_opod = c.joint ? 1 : 0;
        d.rek_uz = {.zus = 13622.52, .zus_m = 1440, .dz = c.dz, .dz_m = c.dz_m, .rozn = c.rozn, .doza = 0, .zwrot = 1};
        FilledPage p("TF_w36185", d);
        if (!c.applies) {
            for (const char* l : labels) EXPECT_EQ(p.printed(l), "<disabled>") << l;
            continue;
        }
        const auto spouse = [&](const char* text) { return c.joint ? std::string(text) : std::string(); };
        EXPECT_EQ(p.printed("QRL_uz_zus1"), "13.622,52");
        EXPECT_EQ(p.printed("QRL_uz_zus2"), spouse("1.440,00"));
        EXPECT_EQ(p.printed("QRL_uz_dz1"), c.dz == 0 ? "0,00" : "443,29");
        EXPECT_EQ(p.printed("QRL_uz_dz2"), spouse("4.812,06"));
        EXPECT_EQ(p.printed("QRL_uz_rozn"), c.rozn == 0 ? "0,00" : "5.255,35");
    }
}

TEST(W36185, SectionsJAndMWithTheDecimalsOfTheirBoxes) {
    HostData d;
    d.rekdek.rozn = 1234.5;
    d.rekdek.rozn1 = 0;
    d.rekdek.zal_wpl = 4510.5;
    d.rekdek.rozn30g = -12.4;
    FilledPage p("TF_w36185", d);
    EXPECT_EQ(p.printed("QRL_rozn"), "1.234,50");  // poz. 217 and 218 with grosze
    EXPECT_EQ(p.printed("QRL_rozn1"), "0,00");
    EXPECT_EQ(p.printed("QRL_zal_wpl"), "4.511");  // poz. 328 and 329 whole złoty
    EXPECT_EQ(p.printed("QRL_rozn30g"), "-12");
}

// Amounts right-aligned and sized to their text; the month boxes and the art.
// 30g cells print over the form, the boxes of J, L and M on a white ground,
// poz. 327 in a fixed width.
TEST(W36185, LabelsLookAsTheirBoxesAsk) {
    using report::Align;
    using testing::Look;
    const Look opaque{Align::Right, true, true};
    std::map<std::string, Look> other;
    for (const char* name : {"QRL_rozn", "QRL_rozn1", "QRL_uz_zus1", "QRL_uz_zus2", "QRL_uz_dz1", "QRL_uz_dz2",
                             "QRL_zal_wpl", "QRL_rozn30g"})
        other[name] = opaque;
    other["QRL_uz_rozn"] = {.align = Align::Right, .opaque = true, .width = 130};
    EXPECT_EQ(pages::layout_of("W36185").elements.size(), 113U);
    testing::expect_label_looks("W36185", Look{Align::Right, true}, other);
    testing::expect_placed("W36185", {{"QRL_rozn", 688, 42},
                                      {"QRL_44_1p1", 134, 213, 74, 17},
                                      {"QRL48", 194, 245, 10, 17},
                                      {"QRL6", 192, 275},
                                      {"QRL_44_1pz1", 134, 309},
                                      {"QRL_44_1p7", 134, 353},
                                      {"QRLsp", 686, 353},
                                      {"QRL49", 740, 383},
                                      {"QRL_44_1m1", 134, 529},
                                      {"QRLsmz", 690, 765},
                                      {"QRL_uz_zus1", 537, 844},
                                      {"QRL_uz_zus2", 677, 844},
                                      {"QRL_uz_rozn", 607, 932, 130, 17},
                                      {"QRL_zal_wpl", 680, 998},
                                      {"QRL_rozn30g", 682, 1030}});
}

}  // namespace
}  // namespace dek
