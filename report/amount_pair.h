// A row of two amount columns, the taxpayer's and the spouse's: the taxpayer's
// box always prints, the spouse's only under joint taxation and is cleared
// otherwise, whatever the record holds for the spouse.
#pragma once

#include <string_view>

#include "report/page.h"

namespace dek::report {

struct AmountPair {
    std::string_view taxpayer, spouse;  // element names
};

// Both boxes through `ust_wart` with 2 decimals.
void ust_wart_pair(Band& band, const AmountPair& names, bool joint, double taxpayer, double spouse);

// Both boxes set to the trimmed `rstrsp` text (width 13, 2 decimals).
void kwota_pair(Band& band, const AmountPair& names, bool joint, double taxpayer, double spouse);

}  // namespace dek::report
