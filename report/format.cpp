#include "report/format.h"

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

std::string rstrsp(double value, int width, int decimals) {
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(value)) value = 0;
    // printf rounds the exact binary value to nearest, so a stored 0.29
    // (0.28999...) prints 0.29 and is never truncated to 0.28.
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string plain = buf;
    bool negative = !plain.empty() && plain[0] == '-';
    if (negative) plain.erase(0, 1);
    // "-0.00" after rounding is plain zero.
    if (plain.find_first_not_of("0.") == std::string::npos) negative = false;

    const auto dot = plain.find('.');
    const std::string whole = plain.substr(0, dot);
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += '.';
        grouped += whole[i];
    }
    std::string out = negative ? "-" + grouped : grouped;
    if (dot != std::string::npos) out += "," + plain.substr(dot + 1);
    if (static_cast<int>(out.size()) < width) out.insert(0, static_cast<std::size_t>(width) - out.size(), ' ');
    return out;
}

std::string kwota(double value, int decimals) { return trim(rstrsp(value, 13, decimals)); }

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
