#include "report/format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace dek::report {

namespace {

// Length of the UTF-8 sequence that starts with byte b (1 for stray bytes).
std::size_t utf8_len(unsigned char b) {
    if (b < 0xC0) return 1;
    if (b < 0xE0) return 2;
    if (b < 0xF0) return 3;
    return 4;
}

}  // namespace

std::string wydznaki(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = std::min(utf8_len(static_cast<unsigned char>(text[i])), text.size() - i);
        if (!out.empty()) out += ' ';
        out.append(text.substr(i, n));
        i += n;
    }
    return out;
}

bool is_formatted_value(std::string_view caption) {
    bool digit = false;
    for (char c : caption) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != ' ' && c != '.' && c != ',' && c != '-' && c != '+' && c != '%')
            return false;
    }
    return digit;
}

std::string year_digits(int year) { return year == 0 ? std::string() : std::to_string(year); }

std::string usun_kreski(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '-') out += c;
    return out;
}

std::string red_nip(std::string_view digits, int /*mode*/) {
    if (digits.size() != 10) return std::string(digits);
    for (char c : digits)
        if (c < '0' || c > '9') return std::string(digits);
    std::string out;
    out.append(digits.substr(0, 3)).append("-");
    out.append(digits.substr(3, 3)).append("-");
    out.append(digits.substr(6, 2)).append("-");
    out.append(digits.substr(8, 2));
    return out;
}

namespace {

// "-1.234,56": the rounded digits with a full stop between thousands and a
// decimal comma, padded with blanks on the left to `width`.
std::string amount_text(const RoundedDigits& r, int width, int decimals) {
    std::string digits = r.digits;
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    const std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    std::string out = r.negative ? "-" : "";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += '.';
        out += whole[i];
    }
    if (decimals > 0) out += "," + digits.substr(whole.size());
    if (static_cast<int>(out.size()) < width) out.insert(0, static_cast<std::size_t>(width) - out.size(), ' ');
    return out;
}

}  // namespace

std::string rstrsp(double value, int width, int decimals) {
    decimals = std::clamp(decimals, 0, 18);
    return amount_text(round_real(value, decimals), width, decimals);
}

std::string rstrsp_single(single value, int width, int decimals) {
    decimals = std::clamp(decimals, 0, 18);
    return amount_text(round_single(value, decimals), width, decimals);
}

std::string kwota(double value, int decimals) { return trim(rstrsp(value, 13, decimals)); }
std::string kwota_single(single value, int decimals) { return trim(rstrsp_single(value, 13, decimals)); }

std::string DataToStr(const dt1& date, int /*mode*/) {
    if (date.empty()) return "";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02u-%02u-%04u", static_cast<unsigned>(date.day), static_cast<unsigned>(date.month),
                  static_cast<unsigned>(date.year));
    return buf;
}

std::string trim(std::string_view text) {
    const auto b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return "";
    const auto e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

}  // namespace dek::report
