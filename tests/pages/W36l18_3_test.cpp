#include <gtest/gtest.h>

#include <string>

#include "pages/page_classes.h"
#include "records/types.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

std::string month(const char* stem, int m) { return stem + std::to_string(m); }

// Each month packs the advance due and the advance paid; both print by
// month, and their totals below the months.
TEST(W36l18_3, PackedAdvancesSplitIntoDueAndPaid) {
    struct Case {
        const char* what;
        double january, june;  // the other months hold 0
        const char *due1, *paid1, *due6, *paid6, *due_total, *paid_total;
    };
    const Case cases[] = {
        {"due and paid", 1500.0 * 100000 + 312, 0, "1.500", "312", "0", "0", "1.500", "312"},
        {"paid only", 2500, 0, "0", "2.500", "0", "0", "0", "2.500"},
        {"paid part never loses a złoty", real48_round(1200000450.0), 1200000450.0, "12.000", "450", "12.000", "450",
         "24.000", "900"},
        {"nothing", 0, 0, "0", "0", "0", "0", "0", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d;
        d.rekdek.mies[1].zal44[1] = c.january;
        d.rekdek.mies[1].zal44[6] = c.june;
        d.rekdek.mies[2].zal44[1] = 77700000 + 77;  // the spouse's block: not on this return
        FilledPage p("TF_w36l18_3", d);
        EXPECT_EQ(p.printed("QRL_44_1m1"), c.due1);
        EXPECT_EQ(p.printed("QRL_44_1mz1"), c.paid1);
        EXPECT_EQ(p.printed("QRL_44_1m6"), c.due6);
        EXPECT_EQ(p.printed("QRL_44_1mz6"), c.paid6);
        for (int m : {2, 3, 4, 5, 7, 8, 9, 10, 11, 12}) {
            EXPECT_EQ(p.printed(month("QRL_44_1m", m)), "0") << m;
            EXPECT_EQ(p.printed(month("QRL_44_1mz", m)), "0") << m;
        }
        EXPECT_EQ(p.printed("QRLsp"), c.due_total);
        EXPECT_EQ(p.printed("QRLspz"), c.paid_total);
    }
}

// Twelve different months: each lands in its own column, the totals add them.
TEST(W36l18_3, EveryMonthInItsColumn) {
    HostData d;
    auto& mies = d.rekdek.mies[1];
    for (int m = 1; m <= 12; ++m) {
        mies.zal44[m] = (1000.0 + m) * 100000 + 10 * m;
        mies.ryc44[m] = 200 + m;
        mies.ods[m] = 300 + m;
    }
    FilledPage p("TF_w36l18_3", d);
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(p.printed(month("QRL_44_1m", m)), "1.0" + std::string(m < 10 ? "0" : "") + std::to_string(m));
        EXPECT_EQ(p.printed(month("QRL_44_1mz", m)), std::to_string(10 * m));
        // Poz. 116 to 127 the lump-sum tax, poz. 128 to 139 the interest.
        EXPECT_EQ(p.printed(month("QRL_44_7p", m)), std::to_string(200 + m));
        EXPECT_EQ(p.printed(month("QRL_44_7m", m)), std::to_string(300 + m));
    }
    EXPECT_EQ(p.printed("QRLsp"), "12.078");
    EXPECT_EQ(p.printed("QRLspz"), "780");
}

// The return keeps no art. 30g tax: its 26 boxes show zero on every return.
TEST(W36l18_3, Art30gBoxesAlwaysZero) {
    HostData d;
    d.rekdek.rozn30g = 1234;
    d.rekdek.mies[1].zal44[1] = 1500.0 * 100000 + 312;
    FilledPage p("TF_w36l18_3", d);
    for (int i = 1; i <= 26; ++i) EXPECT_EQ(p.printed("QRL" + std::to_string(i)), "0") << i;
}

// Section K. Poz. 108, 109 and 113 are whole złoty and print rounded, never
// cut; poz. 110 to 112, 114 and 115 keep their grosze; N with grosze.
TEST(W36l18_3, AmountToPayWithTheDecimalsOfEachBox) {
    struct Case {
        double ryc_rozn;
        const char* poz113;
    };
    const Case cases[] = {{1234.6, "1.235"}, {1234.5, "1.235"}, {1234.49, "1.234"}, {0, "0"}, {-57.5, "-58"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ryc_rozn);
        HostData d;
        auto& r = d.rekdek;
        r.zal_wpl = 30959.5;
        r.rozn30g = 12.4;
        r.ryc29 = 190.1;
        r.ryc_zagr = 114.2;
        r.pod_zap_zagr = 57.3;
        r.ryc_rozn = c.ryc_rozn;
        r.do_zapl = 1234.6;
        r.nadpl = 10.05;
        r.doch_45 = 4500.75;
        FilledPage p("TF_w36l18_3", d);
        EXPECT_EQ(p.printed("QRL_w22"), "30.960");
        EXPECT_EQ(p.printed("QRL_w109"), "12");
        EXPECT_EQ(p.printed("QRL_w24"), "190,10");
        EXPECT_EQ(p.printed("QRL_w25"), "114,20");
        EXPECT_EQ(p.printed("QRL_w26"), "57,30");
        EXPECT_EQ(p.printed("QRL_w1"), c.poz113);
        EXPECT_EQ(p.printed("QRL_w3"), "1.234,60");
        EXPECT_EQ(p.printed("QRL_w4"), "10,05");
        EXPECT_EQ(p.printed("QRL_doch45"), "4.500,75");
    }
}

// Every amount right-aligned, bold, sized to its text, at the rectangles the
// form's boxes give.
TEST(W36l18_3, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    testing::expect_label_looks("W36l18_3", testing::Look{Align::Right, true}, {});
    testing::expect_placed("W36l18_3", {
                                           {"QRL_44_1m1", 121, 95},
                                           {"QRL12", 168, 125, 10},
                                           {"QRLsp", 676, 243},
                                           {"QRLspz", 676, 341},
                                           {"QRL_w22", 682, 414},
                                           {"QRL_44_7p1", 188, 748},
                                           {"QRL_44_7m1", 187, 875},
                                           {"QRL_doch45", 680, 992},
                                       });
}

}  // namespace
}  // namespace dek
