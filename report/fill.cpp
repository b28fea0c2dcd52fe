#include "report/fill.h"

#include <cmath>

#include "report/format.h"

namespace dek::report {

// Pixel size of the value font after `zmn_font`: 10 pt (13 px) -> 8 pt (11 px).
constexpr int kShrunkValuePx = 11;

void ust_wart(Band& band, std::string_view name, double value, int decimals) {
    if (Element* e = band.find(name)) e->caption = kwota(value, decimals);
}

void ust_wart_single(Band& band, std::string_view name, single value, int decimals) {
    if (Element* e = band.find(name)) e->caption = kwota_single(value, decimals);
}

void ust_w_str(Band& band, std::string_view name, std::string_view text) {
    if (Element* e = band.find(name)) e->caption = std::string(text);
}

namespace {

// An amount in whole grosze, as it prints with two decimals.
long long grosze(double amount) { return std::isfinite(amount) ? std::llround(amount * 100.0) : 0; }

}  // namespace

void zmn_font(Band& band, std::string_view name, double value, double limit, int /*mode*/) {
    // Compared as printed, in grosze: a stored 6-byte real of 99 999,99 is a
    // binary fraction a hair above the double 99999.99, yet it prints
    // 99.999,99 and needs no smaller font.
    if (Element* e = band.find(name)) {
        if (grosze(value) > grosze(limit)) e->font_px = kShrunkValuePx;
    }
}

void clear_labels(Band& band) {
    for (Element& e : band.elements)
        if (e.kind == ElementKind::Label) e.caption.clear();
}

void set_enabled(Band& band, std::string_view name, bool enabled) {
    if (Element* e = band.find(name)) e->enabled = enabled;
}

}  // namespace dek::report
