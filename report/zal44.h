// The monthly advances under art. 44 ust. 1 that the return keeps packed, two
// whole-złoty amounts in one value: advance due × 100 000 + advance paid
// (1 200 000 450 is 12 000 zł due and 450 zł paid). Section K of PIT-36 and
// page 3 of PIT-36L print both parts of every month and their totals.
#pragma once

#include <cstdint>
#include <string_view>

#include "report/months.h"
#include "report/page.h"

namespace dek::report {

struct Zal44Parts {
    double due = 0;   // whole złoty
    double paid = 0;  // whole złoty
};

// Due: the packed value / 100 000 truncated towards zero. Paid: what is left,
// rounded to whole złoty, so that binary noise in the stored value never turns
// 450 into 449. Both parts carry the value's sign.
Zal44Parts zal44_split(double packed);

// A running total kept in ten-thousandths of a złoty in 64 bits, each addend
// rounded to that precision before it is added. Addends and totals beyond
// what 64 bits hold stay at the largest magnitude instead of wrapping.
class FixedSum {
public:
    void add(double amount);
    double value() const;

private:
    std::int64_t ten_thousandths_ = 0;
};

// The boxes of one person's advances on a page: month m's parts in `due` + m
// and `paid` + m, the year's totals in `due_total` and `paid_total`.
struct Zal44Labels {
    std::string_view due, paid, due_total, paid_total;
};

// Every month's due and paid part through `ust_wart` with 0 decimals, then the
// totals of the parts, added up in a `FixedSum` each, in whole złoty.
void fill_zal44(Band& band, const MonthAmounts& packed, const Zal44Labels& labels);

}  // namespace dek::report
