#include "records/byte_image.h"

#include <gtest/gtest.h>

#include "records/rek28.h"

namespace dek {
namespace {

// Offset of a field within a record's image: the image of a record that holds
// a marker only in that field, searched for the marker.
template <class R, class Set>
std::size_t offset_of(Set set, std::uint8_t marker_len_byte) {
    R r{};
    set(r);
    auto bytes = to_bytes(r);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == marker_len_byte) return i;
    return std::string::npos;
}

TEST(Rek28Image, PackedLayoutOffsets) {
    // Text fields begin with their length byte: put a text of an unusual length in one field.
    EXPECT_EQ(offset_of<rek28_t>([](rek28_t& r) { r.nip = "1234567890123"; }, 13), 9U);
    EXPECT_EQ(offset_of<rek28_t>([](rek28_t& r) { r.urz = std::string(59, 'u'); }, 59), 9U + 14 + 4);
    // nazw starts after nip(14) rok(4) urz(61) korekta(1)
    EXPECT_EQ(offset_of<rek28_t>([](rek28_t& r) { r.nazw = std::string(49, 'n'); }, 49), 9U + 14 + 4 + 61 + 1);

    // The partnerships: each is 571 + 121 + 6 + 6 + 72 + 6 + 72 bytes.
    const std::size_t sp28_size = 571 + 121 + 6 + 6 + 12 * 6 + 6 + 12 * 6;
    EXPECT_EQ(image_size<dane_sp28>(), sp28_size);
    EXPECT_EQ(offset_of<dane_sp28>([](dane_sp28& s) { s.nipsp = "123-456-78-90"; }, 13), 571U);
    // The whole record ends with four partnerships and the 2 x 6 table `sp`.
    const std::size_t total = image_size<rek28_t>();
    EXPECT_EQ(offset_of<rek28_t>([](rek28_t& r) { r.spolki[1].nazsp = std::string(200, 'x'); }, 200),
              total - 4 * sp28_size - 72);
    EXPECT_EQ(offset_of<rek28_t>([](rek28_t& r) { r.spolki[4].nipsp = std::string(13, '7'); }, 13),
              total - sp28_size - 72 + 571);
}

TEST(Rek28Image, RoundTripKeepsEveryField) {
    rek28_t r;
    r.nip = "525-000-00-06";
    r.rok = 2018;
    r.nazw = "Wiśniewska-Żółkiewska";
    r.dur = dt1{1975, 11, 30};
    r.przdg[1] = 123456.78;
    r.przdg[7] = -0.5;
    r.pr[6] = 0.5146;
    r.ilzal[7] = 2;
    r.ident_pesel = true;
    r.spolki[4].nazsp = "Spółka jawna „Łódź”";
    r.spolki[4].prz_wsp[2][6] = 42.42;
    r.sp[2][1] = 1.25;
    r.rycz_mies[11] = 321;
    auto bytes = to_bytes(r);
    rek28_t back = from_bytes<rek28_t>(bytes);
    EXPECT_EQ(back.nazw.str(), "Wiśniewska-Żółkiewska");
    EXPECT_EQ(back.spolki[4].nazsp.str(), "Spółka jawna „Łódź”");
    EXPECT_NEAR(back.pr[6], 0.5146, 1e-12);
    // Values already held at 6-byte precision come back bit for bit.
    rek28_t rounded = back;
    EXPECT_EQ(from_bytes<rek28_t>(to_bytes(rounded)), rounded);
    EXPECT_EQ(to_bytes(back), bytes);
}

TEST(Rek28Image, CorruptLengthByteIsClampedAndSizeIsChecked) {
    auto bytes = to_bytes(rek28_t{});
    bytes[9] = 0xFF;  // nip's length byte, larger than its 13 characters
    for (std::size_t i = 0; i < 13; ++i) bytes[10 + i] = '1';
    rek28_t r = from_bytes<rek28_t>(bytes);
    EXPECT_EQ(r.nip.size(), 13U);
    bytes.pop_back();
    EXPECT_THROW(from_bytes<rek28_t>(bytes), std::length_error);
    bytes.push_back(0);
    bytes.push_back(0);
    EXPECT_THROW(from_bytes<rek28_t>(bytes), std::length_error);
}

TEST(Rek28Image, FlagsReadAnyNonZeroByteAsTrue) {
    auto bytes = to_bytes(rek28_t{});
    const std::size_t korekta_at = 9 + 14 + 4 + 61;
    bytes[korekta_at] = 7;
    EXPECT_TRUE(from_bytes<rek28_t>(bytes).korekta);
}

}  // namespace
}  // namespace dek
