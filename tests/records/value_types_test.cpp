#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "records/host_data.h"
#include "records/types.h"

namespace dek {
namespace {

struct RealCase {
    double value;
    Real48Bytes bytes;
};

TEST(Real48, EncodesTheReferenceVectors) {
    const RealCase cases[] = {
        {1.0, {0x81, 0x00, 0x00, 0x00, 0x00, 0x00}},        {-1.5, {0x81, 0x00, 0x00, 0x00, 0x00, 0xC0}},
        {0.1, {0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}},        {1234.56, {0x8B, 0x1F, 0x85, 0xEB, 0x51, 0x1A}},
        {1234567.89, {0x95, 0xB8, 0x1E, 0x3F, 0xB4, 0x16}}, {0.0, {0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(real48_encode(c.value), c.bytes);
        // Decoding gives the value back to the type's precision (39-bit fraction).
        EXPECT_NEAR(real48_decode(c.bytes), c.value, std::fabs(c.value) * 1e-11);
    }
}

TEST(Real48, RoundsToNearestAndKeepsAmountsExact) {
    // 2^-39 above 1.0 is the next real; a quarter step rounds down, three quarters up.
    const double step = std::ldexp(1.0, -39);
    EXPECT_EQ(real48_round(1.0 + step / 4), 1.0);
    EXPECT_EQ(real48_round(1.0 + 3 * step / 4), 1.0 + step);
    // Amounts in grosze survive the round trip to the cent.
    for (double v : {0.29, 11111.79, -2164.56, 99999.99, 85528.0}) {
        SCOPED_TRACE(v);
        EXPECT_NEAR(real48_round(v), v, 1e-7);
        EXPECT_EQ(std::round(real48_round(v) * 100), std::round(v * 100));
    }
    // Rounding up across a power of two carries into the exponent.
    EXPECT_EQ(real48_round(2.0 - step / 4), 2.0);
}

TEST(Real48, RangeEnds) {
    EXPECT_EQ(real48_round(real48_max), real48_max);
    EXPECT_EQ(real48_round(-real48_max), -real48_max);
    EXPECT_THROW(real48_encode(real48_max * 1.0001), std::range_error);
    EXPECT_THROW(real48_encode(std::numeric_limits<double>::infinity()), std::range_error);
    EXPECT_THROW(real48_encode(std::numeric_limits<double>::quiet_NaN()), std::range_error);
    // Below the smallest real (2^-128) the value is stored as 0.
    EXPECT_EQ(real48_encode(std::ldexp(1.0, -130)), Real48Bytes{});
    EXPECT_EQ(real48_round(std::ldexp(1.0, -128)), std::ldexp(1.0, -128));
}

TEST(Text, PolishLettersSurviveUtf8ToRecordToUtf8) {
    const std::string polish = "Zażółć gęślą jaźń ŻÓŁĆ ĘŚĄŹŃ";
    Text<40> t(polish);
    EXPECT_EQ(t.str(), polish);
    EXPECT_EQ(t.size(), 28U);                                     // one byte per character in Windows-1250
    EXPECT_EQ(static_cast<unsigned char>(t.cp1250()[2]), 0xBFU);  // ż
}

TEST(Text, RejectsWhatDoesNotFit) {
    std::string out;
    EXPECT_FALSE(utf8_to_cp1250("€ and 漢", out));  // € is in the code page, 漢 is not
    EXPECT_TRUE(utf8_to_cp1250("€", out));
    EXPECT_FALSE(utf8_to_cp1250("\xC3", out));      // truncated UTF-8
    EXPECT_FALSE(utf8_to_cp1250("\xC0\xAF", out));  // overlong encoding
    EXPECT_THROW(Text<3>("abcd"), std::invalid_argument);
}

TEST(Dt1, ThirdByteIsTheMonth) {
    const dt1 d{2048, 3, 9};
    EXPECT_EQ(d.bytes(), (std::array<std::uint8_t, 4>{0x00, 0x08, 3, 9}));
    EXPECT_EQ(d.third_byte(), 3);
    EXPECT_FALSE(d.empty());  // a date of 2048 (low byte 0) is still filled
    EXPECT_TRUE(dt1{}.empty());
    EXPECT_EQ(dt1::from_bytes(d.bytes()), d);
}

TEST(Dt1, CalendarValidity) {
    EXPECT_TRUE(is_valid_calendar_date(2016, 2, 29));
    EXPECT_FALSE(is_valid_calendar_date(2018, 2, 29));
    EXPECT_FALSE(is_valid_calendar_date(1900, 2, 29));
    EXPECT_TRUE(is_valid_calendar_date(2000, 2, 29));
    EXPECT_FALSE(is_valid_calendar_date(2018, 4, 31));
    EXPECT_FALSE(is_valid_calendar_date(2018, 13, 1));
    EXPECT_FALSE(is_valid_calendar_date(0, 1, 1));
}

TEST(CodeSet, MembershipByBitsAndTheJointTest) {
    CodeSet s;
    s.bytes[0] = 0x02;   // code 1
    s.bytes[15] = 0x80;  // code 127
    EXPECT_TRUE(s.contains(1));
    EXPECT_TRUE(s.contains(127));
    EXPECT_FALSE(s.contains(0));
    EXPECT_FALSE(s.contains(128));

    HostData d;
    d.wsp_z_malz.bytes.fill(0xFF);
    d.rekdek.sp_opod = 200;  // beyond the set's codes: never joint
    EXPECT_FALSE(sp_opod_wspolnie(d));
    d.rekdek.sp_opod = 1;
    EXPECT_TRUE(sp_opod_wspolnie(d));
    d.wsp_z_malz = CodeSet::of({2, 3});  // 1 not in the set: individual
    EXPECT_FALSE(sp_opod_wspolnie(d));
    d.rekdek.sp_opod = 3;  // asked afresh at each use
    EXPECT_TRUE(sp_opod_wspolnie(d));
}

TEST(ArrDeathTest, IndexOutsideTheDeclaredRangeAborts) {
#ifdef NDEBUG
    GTEST_SKIP() << "index checks are compiled out of release builds";
#else
    rekdek_t r;
    r.ilzal[1] = 1;
    r.ilzal[12] = 12;
    r.pito.odl[0] = 5;
    EXPECT_EQ(r.ilzal[12], 12);
    EXPECT_EQ(r.pito.odl.items[0], 5);
    EXPECT_DEATH(r.ilzal[0] = 1, "record index 0 outside \\[1..12\\]");
    EXPECT_DEATH(r.ilzal[13] = 1, "outside");
    rek01_t b;
    EXPECT_DEATH(b.pitbr[1].p[7] = 1, "outside \\[8..18\\]");
#endif
}

}  // namespace
}  // namespace dek
