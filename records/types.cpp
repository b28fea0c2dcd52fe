#include "records/types.h"

#include <iconv.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace dek {

void index_out_of_range(long index, long lo, long hi) {
    std::fprintf(stderr, "dek2018: record index %ld outside [%ld..%ld]\n", index, lo, hi);
    std::abort();
}

namespace {

constexpr char32_t kNoChar = 0xFFFD;

// The upper half of Windows-1250, decoded once through iconv; the lower half
// is ASCII. Built at first use and never changed afterwards.
struct Cp1250Table {
    std::array<char32_t, 256> to_unicode{};
    std::unordered_map<char32_t, unsigned char> from_unicode;

    Cp1250Table() {
        for (unsigned b = 0; b < 128; ++b) to_unicode[b] = b;
        iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1250");
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            std::fprintf(stderr, "dek2018: iconv lacks WINDOWS-1250\n");
            std::abort();
        }
        for (unsigned b = 128; b < 256; ++b) {
            char in = static_cast<char>(b);
            unsigned char out[4] = {};
            char* inp = &in;
            std::size_t inleft = 1;
            char* outp = reinterpret_cast<char*>(out);
            std::size_t outleft = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inp, &inleft, &outp, &outleft) == static_cast<std::size_t>(-1) || outleft != 0) {
                to_unicode[b] = kNoChar;
            } else {
                to_unicode[b] = static_cast<char32_t>(out[0] | (out[1] << 8) | (out[2] << 16) | (out[3] << 24));
            }
        }
        iconv_close(cd);
        for (unsigned b = 0; b < 256; ++b)
            if (to_unicode[b] != kNoChar) from_unicode.emplace(to_unicode[b], static_cast<unsigned char>(b));
    }
};

const Cp1250Table& table() {
    static const Cp1250Table t;
    return t;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at s[i]; returns false on malformed input.
bool next_utf8(std::string_view s, std::size_t& i, char32_t& c) {
    auto b0 = static_cast<unsigned char>(s[i]);
    int extra;
    if (b0 < 0x80) {
        c = b0;
        extra = 0;
    } else if ((b0 & 0xE0) == 0xC0) {
        c = b0 & 0x1F;
        extra = 1;
    } else if ((b0 & 0xF0) == 0xE0) {
        c = b0 & 0x0F;
        extra = 2;
    } else if ((b0 & 0xF8) == 0xF0) {
        c = b0 & 0x07;
        extra = 3;
    } else {
        return false;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size()) return false;
    for (int k = 1; k <= extra; ++k) {
        auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(extra) + 1;
    return true;
}

}  // namespace

bool utf8_to_cp1250(std::string_view utf8, std::string& out) {
    const auto& t = table();
    out.clear();
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c;
        if (!next_utf8(utf8, i, c)) return false;
        auto it = t.from_unicode.find(c);
        if (it == t.from_unicode.end()) return false;
        out += static_cast<char>(it->second);
    }
    return true;
}

std::string cp1250_to_utf8(std::string_view cp1250) {
    const auto& t = table();
    std::string out;
    out.reserve(cp1250.size() + cp1250.size() / 4);
    for (char ch : cp1250) append_utf8(out, t.to_unicode[static_cast<unsigned char>(ch)]);
    return out;
}

// ---- 6-byte real ------------------------------------------------------------

const double real48_max = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);

Real48Bytes real48_encode(double value) {
    Real48Bytes b{};
    if (!std::isfinite(value)) throw std::range_error("value not finite");
    if (value == 0.0) return b;
    const bool negative = value < 0;
    int e = 0;
    const double f = std::frexp(std::fabs(value), &e);  // |value| = f * 2^e, f in [0.5, 1)
    // |value| = (1 + frac / 2^39) * 2^(exp - 129) with 2f = 1 + frac / 2^39.
    auto frac = static_cast<std::uint64_t>(std::nearbyint((2.0 * f - 1.0) * std::ldexp(1.0, 39)));
    int exp = e + 128;
    if (frac == (std::uint64_t{1} << 39)) {
        frac = 0;
        ++exp;
    }
    if (exp > 255) throw std::range_error("value too large for a 6-byte real");
    if (exp < 1) return b;  // below the smallest real: stored as 0
    b[0] = static_cast<std::uint8_t>(exp);
    for (int k = 0; k < 5; ++k) b[static_cast<std::size_t>(1 + k)] = static_cast<std::uint8_t>(frac >> (8 * k));
    if (negative) b[5] |= 0x80;
    return b;
}

double real48_decode(const Real48Bytes& b) {
    if (b[0] == 0) return 0.0;
    std::uint64_t frac = 0;
    for (int k = 0; k < 5; ++k) frac |= std::uint64_t{b[static_cast<std::size_t>(1 + k)]} << (8 * k);
    const bool negative = (frac >> 39) & 1U;
    frac &= (std::uint64_t{1} << 39) - 1;
    const double m = 1.0 + std::ldexp(static_cast<double>(frac), -39);
    const double v = std::ldexp(m, b[0] - 129);
    return negative ? -v : v;
}

// ---- rounding as the forms print --------------------------------------------

namespace {

// `|v|` as the shortest scientific decimal that `same` accepts as the value:
// digits d1 d2 ... dn and exponent e for d1.d2...dn x 10^e.
template <class Same>
void shortest_decimal(double v, Same same, std::string& digits, int& exponent) {
    char buf[64];
    for (int precision = 0; precision <= 16; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*e", precision, std::fabs(v));
        if (same(std::strtod(buf, nullptr)) || precision == 16) break;
    }
    const char* e = std::strchr(buf, 'e');
    digits.clear();
    for (const char* c = buf; c < e; ++c)
        if (*c != '.') digits += *c;
    exponent = std::atoi(e + 1);
}

// Rounds d1.d2...dn x 10^exponent to `decimals` decimals, half away from zero.
std::string round_decimal(const std::string& digits, int exponent, int decimals) {
    const long keep = static_cast<long>(exponent) + 1 + decimals;  // digits kept
    const auto n = static_cast<long>(digits.size());
    std::string out;
    bool up = false;
    if (keep <= 0) {
        up = keep == 0 && digits[0] >= '5';
    } else if (keep >= n) {
        out = digits + std::string(static_cast<std::size_t>(keep - n), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(keep));
        up = digits[static_cast<std::size_t>(keep)] >= '5';
    }
    if (up) {
        long i = static_cast<long>(out.size()) - 1;
        while (i >= 0 && out[static_cast<std::size_t>(i)] == '9') out[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            out.insert(out.begin(), '1');
        else
            ++out[static_cast<std::size_t>(i)];
    }
    const auto first = out.find_first_not_of('0');
    return first == std::string::npos ? "0" : out.substr(first);
}

RoundedDigits rounded(double stored, const std::string& digits, int exponent, int decimals) {
    RoundedDigits r;
    r.digits = stored == 0 ? "0" : round_decimal(digits, exponent, decimals);
    r.negative = stored < 0 && r.digits != "0";
    return r;
}

// The value a 6-byte real field holds after storing v; beyond the type's
// range, v itself.
double stored_real(double v) {
    try {
        return real48_round(v);
    } catch (const std::range_error&) {
        return v;
    }
}

}  // namespace

RoundedDigits round_real(double value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    const double stored = stored_real(value);
    std::string digits;
    int exponent = 0;
    shortest_decimal(
        stored, [&](double back) { return stored_real(back) == std::fabs(stored); }, digits, exponent);
    return rounded(stored, digits, exponent, decimals);
}

RoundedDigits round_single(float value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    std::string digits;
    int exponent = 0;
    shortest_decimal(
        value, [&](double back) { return back <= FLT_MAX && static_cast<float>(back) == std::fabs(value); }, digits,
        exponent);
    return rounded(value, digits, exponent, decimals);
}

bool is_valid_calendar_date(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= days;
}

}  // namespace dek
