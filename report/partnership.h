// A partnership of a PIT/B attachment: one on page 1 (C.1) and two on page 2
// (C.2, C.3). Its five texts carry the row digit ("QRL_nazsp" + row), its six
// amounts the row and the column ("QRL_prz_sp" + row + column); the row is the
// partnership's place within its set of three, counted over the present
// partnerships.
#pragma once

#include "records/rekdek.h"
#include "report/page.h"

namespace dek::report {

// The row of the k-th present partnership (1 to 6): k mod 3, 0 read as 3.
int partnership_row(int k);

// How the page prints the stored texts of a partnership.
enum class PartnershipTexts { Trimmed, AsStored };

// The k-th present partnership `s` into its row: name, share, NIP (dashes
// laid out 3-3-2-2, never spaced), register number and place, then the six
// amounts in the order revenue, attributable revenue, costs, attributable
// costs, income, attributable income. No partnership (nullptr) clears all
// eleven labels of the row.
void fill_partnership(Band& band, int k, const dane_sp* s, PartnershipTexts texts);

}  // namespace dek::report
