// Rows of twelve month boxes named by a stem and the month's number without a
// leading zero ("QRL_44p1" … "QRL_44p12"), amounts in whole złoty.
#pragma once

#include <string>
#include <string_view>

#include "records/types.h"
#include "report/amount_pair.h"
#include "report/page.h"

namespace dek::report {

using MonthAmounts = Arr<real, 1, 12>;

// The name of month m's box.
std::string month_label(std::string_view stem, int m);

// Each month's box gets its amount through `ust_wart` with 0 decimals.
void ust_wart_months(Band& band, std::string_view stem, const MonthAmounts& values);

// Each month's box is cleared.
void clear_months(Band& band, std::string_view stem);

// The taxpayer's row always, the spouse's row under joint taxation; otherwise
// the spouse's boxes are cleared, whatever the record holds for the spouse.
void ust_wart_months_pair(Band& band, const AmountPair& stems, bool joint, const MonthAmounts& taxpayer,
                          const MonthAmounts& spouse);

}  // namespace dek::report
