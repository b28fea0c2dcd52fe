#include <gtest/gtest.h>

#include <iomanip>

#include "report/fill.h"
#include "report/format.h"
#include "report/identity.h"

namespace dek::report {
namespace {

TEST(Rstrsp, AmountsWithThousandsAndDecimalComma) {
    struct Case {
        double value;
        int width, decimals;
        const char* out;
    };
    const Case cases[] = {
        {11111.79, 13, 2, "    11.111,79"},
        {2164.56, 0, 2, "2.164,56"},
        {0.29, 0, 2, "0,29"},                // stored 0.28999...: rounded, not truncated
        {real48_round(0.29), 0, 2, "0,29"},  // as a 6-byte real holds it
        {1234567.891, 0, 2, "1.234.567,89"},
        {-1234.5, 0, 2, "-1.234,50"},
        {-0.004, 0, 2, "0,00"},  // never "-0,00"
        {-0.4, 0, 0, "0"},
        {85528.0, 0, 0, "85.528"},
        {999.995, 0, 2, "1.000,00"},                   // 999.99500000000000455 rounds up
        {123456789012.0, 5, 2, "123.456.789.012,00"},  // wider than the width: never cut
        {7.25, 7, 1, "    7,3"},                       // an exact half goes away from zero
        {-0.125, 0, 2, "-0,13"},
        {0.0, 13, 2, "         0,00"},
        {100.0, 3, 0, "100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(rstrsp(c.value, c.width, c.decimals), c.out);
    }
    EXPECT_EQ(kwota(-1234.5, 2), "-1.234,50");
}

// Half a unit of the last decimal goes away from zero, decided on the decimal
// the field holds, not on its binary fraction, for any number of decimals.
TEST(Rstrsp, HalfwayAmountsRoundAwayFromZeroAsWritten) {
    struct Case {
        double value;
        int decimals;
        const char* out;
    };
    const Case cases[] = {
        {0.005, 2, "0,01"},
        {10.005, 2, "10,01"},
        {1.005, 2, "1,01"},  // binary 1.00499999999999989...
        {2.675, 2, "2,68"},  // binary 2.67499999999999982...
        {1234.565, 2, "1.234,57"},
        {-1234.565, 2, "-1.234,57"},
        {-0.005, 2, "-0,01"},
        {1.45, 1, "1,5"},  // binary 1.44999999999999996...
        {0.05, 1, "0,1"},
        {2.5, 0, "3"},
        {-0.5, 0, "-1"},
        {0.49, 0, "0"},
        {1.0049, 2, "1,00"},
        // Both sides of the amount bound 2^33: the largest amount taken prints as given.
        {8589934591.99, 2, "8.589.934.591,99"},
        {-8589934591.99, 2, "-8.589.934.591,99"},
        {8589934591.99, 0, "8.589.934.592"},
        // Beyond it a 6-byte real no longer holds the grosze: why return files
        // may not carry such amounts.
        {8589934592.99, 2, "8.589.934.592,98"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(kwota(real48_round(c.value), c.decimals), c.out);
    }
    // A single field goes by the decimal the single holds.
    EXPECT_EQ(kwota(1234.565f, 2), "1.234,57");
    EXPECT_EQ(kwota(2.675f, 2), "2,68");
    EXPECT_EQ(kwota(92.45f, 1), "92,5");
    EXPECT_EQ(kwota(static_cast<double>(1234.565f), 2), "1.234,56");  // widened, the single's binary decides
}

TEST(Identifiers, NipPeselAndSpacing) {
    struct Case {
        const char* in;
        const char* red_nip;
    };
    const Case cases[] = {
        {"5260250274", "526-025-02-74"}, {"526025027", "526025027"},  // nine digits: unchanged
        {"52602502745", "52602502745"},                               // eleven digits: unchanged, not cut
        {"52602502a4", "52602502a4"},    {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(red_nip(c.in, 1), c.red_nip) << c.in;
    EXPECT_EQ(usun_kreski("526-025-02-74"), "5260250274");
    EXPECT_EQ(wydznaki("2018"), "2 0 1 8");
    EXPECT_EQ(wydznaki("Łź1"), "Ł ź 1");  // characters, not bytes
    EXPECT_EQ(wydznaki(""), "");
    EXPECT_EQ(nip_caption("526-025-02-74"), "5 2 6 - 0 2 5 - 0 2 - 7 4");
    EXPECT_EQ(pesel_caption("78091412345"), "7 8 0 9 1 4 1 2 3 4 5");
}

TEST(Identifiers, ReferenceNumberOnOneLineWhenAsked) {
    Band band;
    Element memo;
    memo.name = "QRL_nrref";
    memo.kind = ElementKind::Memo;
    band.elements.push_back(memo);
    HostData d;
    d.nr_dek_refer = "a1b2c3d4e5f6a7b8c9d0e1f2a3b4c5";  // 30 characters
    fill_nrref_one_line(band, d);
    EXPECT_FALSE(band.find("QRL_nrref")->enabled);
    EXPECT_TRUE(band.find("QRL_nrref")->lines.empty());
    d.dr_dek_ref = true;
    fill_nrref_one_line(band, d);
    EXPECT_TRUE(band.find("QRL_nrref")->enabled);
    EXPECT_EQ(band.find("QRL_nrref")->lines, std::vector<std::string>{d.nr_dek_refer});
}

TEST(DataToStr, DayMonthYear) {
    EXPECT_EQ(DataToStr(dt1{1978, 9, 14}, 0), "14-09-1978");
    EXPECT_EQ(DataToStr(dt1{2048, 1, 2}, 0), "02-01-2048");
    EXPECT_EQ(DataToStr(dt1{}, 0), "");
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("   "), "");
}

Band band_of(std::initializer_list<const char*> names) {
    Band b;
    for (const char* n : names) {
        Element e;
        e.name = n;
        e.caption = "sample";
        b.elements.push_back(e);
    }
    return b;
}

TEST(LabelRoutines, FillByNameIgnoringCaseAndMissingNames) {
    Band b = band_of({"QRL_p8", "QRL_zal1", "QRL_x"});
    ust_wart(b, "Qrl_p8", 1234.5, 2);  // built names may differ in case from the label's
    ust_wart(b, "QRL_zal1", 0, 0);     // a zero count prints "0"
    ust_wart(b, "QRL_zal2", 5, 0);     // no such label: passed over
    ust_w_str(b, "QRL_nope", "x");
    ust_w_str(b, "qrl_X", "x");
    EXPECT_EQ(b.find("QRL_p8")->caption, "1.234,50");
    EXPECT_EQ(b.find("QRL_zal1")->caption, "0");
    EXPECT_EQ(b.find("QRL_x")->caption, "x");
    EXPECT_EQ(b.find("QRL_zal2"), nullptr);

    ust_wart(b, "QRL_p8", 0, 2);
    EXPECT_EQ(b.find("QRL_p8")->caption, "0,00");
}

// The limit is compared with the amount as it prints, in grosze: a stored
// 6-byte real of 99 999,99 lies a hair above the binary 99999.99 and still
// prints 99.999,99, which is not beyond the limit.
TEST(LabelRoutines, ZmnFontShrinksOnlyAboveTheLimit) {
    struct Case {
        double value, limit;
        bool smaller;
    };
    const Case cases[] = {
        {99999.99, 99999.99, false},
        {real48_round(99999.99), 99999.99, false},
        {99999.994, 99999.99, false},  // prints 99.999,99
        {99999.995, 99999.99, true},   // prints 100.000,00
        {real48_round(100000.00), 99999.99, true},
        {-150000.00, 99999.99, false},
        {real48_round(999999.99), 999999.99, false},
        {real48_round(1000000.00), 999999.99, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::setprecision(17) << c.value << " limit " << c.limit);
        Band b = band_of({"QRL_przdg1"});
        zmn_font(b, "QRL_przdg1", c.value, c.limit, 1);
        const int px = b.find("QRL_przdg1")->font_px;
        EXPECT_EQ(px != 0, c.smaller);
        if (c.smaller) {
            EXPECT_LT(px, 13);
        }
    }
}

}  // namespace
}  // namespace dek::report
