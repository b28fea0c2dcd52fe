// The request to transfer 1 % of the tax to a public-benefit organisation and
// the supplementary information after it, as PIT-37 page 3, PIT-36 page 7 and
// PIT-36L page 4 print them: the organisation's KRS number (`QRL_krs`), the
// amount (`QRL_kwopp`), the purpose (`QRL_cel`), the consent mark
// (`QRL_inf_cel`) and the contact line (`QRL_kontakt`).
#pragma once

#include "records/rekdek.h"
#include "report/page.h"

namespace dek::report {

// The KRS number trimmed; the amount with grosze; the purpose and the contact
// line each from their two stored parts joined by one blank and trimmed, so an
// empty part leaves no blank behind; "x" for the consent when it is given.
void fill_opp_request(Band& band, const rekdek_t& r);

}  // namespace dek::report
