#include "report/zal44.h"

#include <cmath>
#include <limits>

#include "report/fill.h"

namespace dek::report {

namespace {

constexpr double kPacking = 100000.0;
constexpr double kScale = 10000.0;
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// The amount in ten-thousandths, held at the 64-bit bounds (and NaN at zero).
std::int64_t to_fixed(double amount) {
    const double scaled = std::round(amount * kScale);
    if (std::isnan(scaled)) return 0;
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (scaled >= 9223372036854775808.0) return kMax;
    if (scaled <= -9223372036854775808.0) return kMin;
    return static_cast<std::int64_t>(scaled);
}

}  // namespace

Zal44Parts zal44_split(double packed) {
    if (!std::isfinite(packed)) return {};
    Zal44Parts parts;
    parts.due = std::trunc(packed / kPacking);
    parts.paid = std::round(packed - parts.due * kPacking);
    if (parts.paid == 0) parts.paid = 0;  // no "-0"
    return parts;
}

void FixedSum::add(double amount) {
    const std::int64_t addend = to_fixed(amount);
    std::int64_t sum = 0;
    if (__builtin_add_overflow(ten_thousandths_, addend, &sum)) sum = addend > 0 ? kMax : kMin;
    ten_thousandths_ = sum;
}

double FixedSum::value() const { return static_cast<double>(ten_thousandths_) / kScale; }

void fill_zal44(Band& band, const MonthAmounts& packed, const Zal44Labels& labels) {
    FixedSum due;
    FixedSum paid;
    for (int m = 1; m <= 12; ++m) {
        const Zal44Parts parts = zal44_split(packed[m]);
        due.add(parts.due);
        paid.add(parts.paid);
        ust_wart(band, month_label(labels.due, m), parts.due, 0);
        ust_wart(band, month_label(labels.paid, m), parts.paid, 0);
    }
    ust_wart(band, labels.due_total, due.value(), 0);
    ust_wart(band, labels.paid_total, paid.value(), 0);
}

}  // namespace dek::report
