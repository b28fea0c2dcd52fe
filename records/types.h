// Value types of the return records: text(N) in Windows-1250, the 6-byte real,
// the 4-byte date dt1, arrays indexed from their declared lower bound and the
// 16-byte code set. Plain C++ only: the records must be usable without Qt.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace dek {

// Index checks of the record arrays: a programming error, caught in debug
// builds (no NDEBUG) by aborting with the array's bounds.
[[noreturn]] void index_out_of_range(long index, long lo, long hi);

// Array indexed from its declared lower bound: Arr<real, 1, 12> is `array[1..12] of real`.
template <class T, int Lo, int Hi>
struct Arr {
    static_assert(Hi >= Lo);
    static constexpr int lo = Lo;
    static constexpr int hi = Hi;
    static constexpr int count = Hi - Lo + 1;
    using value_type = T;

    std::array<T, count> items{};

    T& operator[](int i) {
#ifndef NDEBUG
        if (i < Lo || i > Hi) index_out_of_range(i, Lo, Hi);
#endif
        return items[static_cast<std::size_t>(i - Lo)];
    }
    const T& operator[](int i) const {
#ifndef NDEBUG
        if (i < Lo || i > Hi) index_out_of_range(i, Lo, Hi);
#endif
        return items[static_cast<std::size_t>(i - Lo)];
    }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
    bool operator==(const Arr&) const = default;
};

// ---- Windows-1250 <-> UTF-8 -------------------------------------------------

// UTF-8 text -> Windows-1250 bytes. Returns false (and leaves `out` unspecified)
// when the text is not valid UTF-8 or holds a character that Windows-1250 lacks.
bool utf8_to_cp1250(std::string_view utf8, std::string& out);
// Windows-1250 bytes -> UTF-8. Bytes with no character in the code page
// (0x81, 0x83, 0x88, 0x90, 0x98) become U+FFFD.
std::string cp1250_to_utf8(std::string_view cp1250);

// text(N): at most N characters, kept as Windows-1250 bytes as the record stores them.
template <std::size_t N>
class Text {
public:
    static constexpr std::size_t capacity = N;
    static constexpr std::size_t byte_size = N + 1;  // length byte + N bytes

    Text() = default;
    // Programmer-supplied UTF-8 (tests, samples); throws std::invalid_argument
    // when it does not fit. Return files go through the loader's own checks.
    Text(std::string_view utf8) { assign_utf8_or_throw(utf8); }      // NOLINT(google-explicit-constructor)
    Text(const char* utf8) : Text(std::string_view(utf8)) {}         // NOLINT(google-explicit-constructor)
    Text(const std::string& utf8) : Text(std::string_view(utf8)) {}  // NOLINT(google-explicit-constructor)
    Text& operator=(std::string_view utf8) {
        assign_utf8_or_throw(utf8);
        return *this;
    }
    Text& operator=(const char* utf8) { return *this = std::string_view(utf8); }
    Text& operator=(const std::string& utf8) { return *this = std::string_view(utf8); }

    // UTF-8 form, the way the pages print it.
    std::string str() const { return cp1250_to_utf8(bytes_); }
    const std::string& cp1250() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }
    std::size_t size() const { return bytes_.size(); }

    // Stores Windows-1250 bytes; longer input is cut to N (the decoder clamps
    // a corrupt length byte the same way).
    void set_cp1250(std::string_view bytes) { bytes_.assign(bytes.substr(0, N)); }

    void assign_utf8_or_throw(std::string_view utf8) {
        std::string cp;
        if (!utf8_to_cp1250(utf8, cp)) throw std::invalid_argument("text not in Windows-1250");
        if (cp.size() > N) throw std::invalid_argument("text longer than its field");
        bytes_ = std::move(cp);
    }

    bool operator==(const Text&) const = default;

private:
    std::string bytes_;
};

// ---- 6-byte real ------------------------------------------------------------

using Real48Bytes = std::array<std::uint8_t, 6>;

// Largest magnitude a 6-byte real holds: (2 - 2^-39) * 2^126.
extern const double real48_max;

// Encodes a double as a 6-byte real, rounding the fraction to nearest. A
// magnitude too small for the type stores 0; one too large (or not finite)
// throws std::range_error.
Real48Bytes real48_encode(double value);
double real48_decode(const Real48Bytes& bytes);
// The double that a 6-byte real field holds after storing `value`.
inline double real48_round(double value) { return real48_decode(real48_encode(value)); }

// The bounds of the amounts a return file may hold: below 2^33 a 6-byte real
// (a 40-bit significand) keeps every amount with two decimals within half a
// grosz, so it prints as given; a field that packs whole-złoty amounts is
// exact below 2^40.
inline constexpr double kAmountBound = 8589934592.0;           // 2^33
inline constexpr double kPackedAmountBound = 1099511627776.0;  // 2^40

// ---- rounding as the forms print --------------------------------------------

// A value rounded to `decimals` decimals as a person would predict it: half
// away from zero, applied to the shortest decimal that reads back as the
// same stored 6-byte real (so 1.005 gives 1.01 and 2.675 gives 2.68, whatever
// the binary fraction holds). A value beyond the 6-byte real's range is taken
// as the double it is. The result is the digits of |value| x 10^decimals
// rounded, without leading zeros ("0" for zero), and whether the value is
// negative and does not round to zero.
struct RoundedDigits {
    std::string digits;
    bool negative = false;
    bool operator==(const RoundedDigits&) const = default;
};
RoundedDigits round_real(double value, int decimals);
// The same for a single: on the shortest decimal that reads back as the same
// single.
RoundedDigits round_single(float value, int decimals);

// ---- date dt1 ---------------------------------------------------------------

// Four bytes: year little-endian in bytes 0-1, month in byte 2, day in byte 3.
// All zero is the empty date; for a real date byte 2 (the month) is never 0.
struct dt1 {
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;

    bool empty() const { return year == 0 && month == 0 && day == 0; }
    // The third stored byte: what the child blocks test for "date is filled".
    std::uint8_t third_byte() const { return month; }
    std::array<std::uint8_t, 4> bytes() const {
        return {static_cast<std::uint8_t>(year & 0xFF), static_cast<std::uint8_t>(year >> 8), month, day};
    }
    static dt1 from_bytes(const std::array<std::uint8_t, 4>& b) {
        return dt1{static_cast<std::uint16_t>(b[0] | (b[1] << 8)), b[2], b[3]};
    }
    bool operator==(const dt1&) const = default;
};

bool is_valid_calendar_date(int year, int month, int day);

// ---- code set ---------------------------------------------------------------

// Set of byte codes 0..127 in 16 bytes: code n is in the set when bit n mod 8
// of byte n div 8 is 1. A code of 128 or more is never in it.
struct CodeSet {
    std::array<std::uint8_t, 16> bytes{};

    bool contains(int code) const {
        if (code < 0 || code >= 128) return false;
        return (bytes[static_cast<std::size_t>(code / 8)] >> (code % 8)) & 1U;
    }
    void insert(int code) {
        if (code < 0 || code >= 128) throw std::out_of_range("code set holds codes 0..127");
        bytes[static_cast<std::size_t>(code / 8)] |= static_cast<std::uint8_t>(1U << (code % 8));
    }
    static CodeSet of(std::initializer_list<int> codes) {
        CodeSet s;
        for (int c : codes) s.insert(c);
        return s;
    }
    bool operator==(const CodeSet&) const = default;
};

// Record value types by their names in the records.
using real = double;   // 6-byte real in the stored record, widened in memory
using single = float;  // 4-byte IEEE float
using byte = std::uint8_t;
using flag = bool;
using integer = std::int32_t;

// Which record value types a field visitor meets: texts and index-bounded
// arrays need their own handling in every reader and writer of records.
template <class T>
struct is_text : std::false_type {};
template <std::size_t N>
struct is_text<Text<N>> : std::true_type {};

template <class T>
struct is_arr : std::false_type {};
template <class T, int Lo, int Hi>
struct is_arr<Arr<T, Lo, Hi>> : std::true_type {};

}  // namespace dek
