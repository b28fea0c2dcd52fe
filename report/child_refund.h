// The additional refund for the child relief (PIT-37 section H, PIT-36
// section L): the social and health contributions and the relief left
// undeducted of each person, and the difference to refund. The total refund
// box is the page's own: it prints whether the section applies or not.
#pragma once

#include "records/rekdek.h"
#include "report/page.h"

namespace dek::report {

// The section applies when a difference is left: the taxpayer's, the spouse's
// (joint taxation only) or the one to refund; the contributions alone never
// make it apply.
bool child_refund_applies(const rek_uz_t& uz, bool joint);

// When the section applies, `QRL_uz_zus1`/`QRL_uz_zus2`, `QRL_uz_dz1`/
// `QRL_uz_dz2` (the spouse's only under joint taxation, cleared otherwise) and
// `QRL_uz_rozn` get their amounts with grosze; otherwise the five labels are
// disabled, so that not even their design captions print.
void fill_child_refund(Band& band, const rek_uz_t& uz, bool joint);

}  // namespace dek::report
