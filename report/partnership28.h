// The partnership block of both PIT-28/B pages (sections C.1 and C.2): one
// partnership of the PIT-28 record, its name, NIP, the taxpayer's share, its
// revenue and the taxpayer's part of it, each by row (1 ordinary rates, 2
// revenue determined under art. 17) and rate (1 to 6).
#pragma once

#include "records/rek28.h"
#include "report/page.h"

namespace dek::report {

// Partnership `n` of `rek28.spolki` in `QRL_nazsp`, `QRL_nipsp`, `QRL_prsp`,
// `QRL_przsp`, `QRL_przwsp` and the grids "QRL_prz_sp" + row + rate and
// "QRL_prz_wsp" + row + rate. The record holds partnerships 1 to 4 only: for
// any other `n` every label of the block is left empty and the record is not
// read beyond its four partnerships.
void fill_partnership(Band& band, const rek28_t& r, int n);

}  // namespace dek::report
