// A row of two amount columns, the taxpayer's and the spouse's: the taxpayer's
// box always prints, the spouse's only under joint taxation and is cleared
// otherwise, whatever the record holds for the spouse.
#pragma once

#include <initializer_list>
#include <string_view>

#include "report/page.h"

namespace dek::report {

struct AmountPair {
    std::string_view taxpayer{}, spouse{};  // element names; no spouse name: a single box
};

// Both boxes through `ust_wart` with 2 decimals.
void ust_wart_pair(Band& band, const AmountPair& names, bool joint, double taxpayer, double spouse);

// Both boxes set to the trimmed `rstrsp` text (width 13, 2 decimals unless
// said otherwise).
void kwota_pair(Band& band, const AmountPair& names, bool joint, double taxpayer, double spouse, int decimals = 2);

// One row of a column of amounts: a single box of the return (no spouse
// name), or the taxpayer's and the spouse's boxes of a two-column row.
struct AmountRow {
    AmountPair names;
    double taxpayer = 0;
    double spouse = 0;
    int decimals = 2;
};

// The rows in their order: a single box gets its amount, a two-column row is
// filled as `kwota_pair` fills it.
void kwota_rows(Band& band, bool joint, std::initializer_list<AmountRow> rows);

}  // namespace dek::report
