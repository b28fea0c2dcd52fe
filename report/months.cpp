#include "report/months.h"

#include <string>

#include "report/fill.h"

namespace dek::report {

std::string month_label(std::string_view stem, int m) { return std::string(stem) + std::to_string(m); }

void ust_wart_months(Band& band, std::string_view stem, const MonthAmounts& values) {
    for (int m = 1; m <= 12; ++m) ust_wart(band, month_label(stem, m), values[m], 0);
}

void clear_months(Band& band, std::string_view stem) {
    for (int m = 1; m <= 12; ++m) ust_w_str(band, month_label(stem, m), "");
}

void ust_wart_months_pair(Band& band, const AmountPair& stems, bool joint, const MonthAmounts& taxpayer,
                          const MonthAmounts& spouse) {
    ust_wart_months(band, stems.taxpayer, taxpayer);
    if (joint)
        ust_wart_months(band, stems.spouse, spouse);
    else
        clear_months(band, stems.spouse);
}

}  // namespace dek::report
