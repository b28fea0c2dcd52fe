// The closing boxes that PIT-37 page 4 and PIT-36 page 7 share: who filed the
// PIT/D attachment and with which return (`QRL_d_p`, `QRL_d_m`; `QRL_d28`,
// `QRL_d36`, `QRL_d37`), the spouse's identifier, name and tax office when the
// spouse filed it (`QRL_d_us`), the Large Family Card of each person
// (`QRL_kdr_p`, `QRL_kdr_m`) and the attorney's name (`QRL_peln`).
#pragma once

#include "records/rekdek.h"
#include "report/page.h"

namespace dek::report {

// `d_kto` 0 is the taxpayer, 1 the spouse, any other code nobody: then no
// square of either row is marked and the spouse's line stays empty. The return
// the PIT/D went with is marked by `d_kod` (0 PIT-28, 1 PIT-36, 2 PIT-37).
// A card is marked only for the value 1, the spouse's only under joint
// taxation; the attorney prints only when the return says there is one.
void fill_pitd_card_attorney(Band& band, const rekdek_t& r, bool joint);

}  // namespace dek::report
