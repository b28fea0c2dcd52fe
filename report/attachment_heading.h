// The heading shared by the attachments: the identifier boxes of the taxpayer
// and the spouse, and the surname, first name and date of birth of sections
// A.1 and A.2. Labels: `QRL_nip` with its covers `QRL_kas_nip` and
// `QRL_kas_pes`, `QRL_nazw`, `QRL_im`, `QRL_dur`; the spouse's the same names
// with the suffix 1.
#pragma once

#include "records/host_data.h"
#include "report/identity.h"
#include "report/page.h"

namespace dek::report {

// The identifier boxes: `fill_identifiers` of report/identity.h.

// The taxpayer's names (whole for a PIT-28 return: taxpayer_names) and date
// of birth; the spouse's under joint taxation, otherwise the spouse's three
// labels are cleared.
void fill_names(Band& band, const HostData& data);

}  // namespace dek::report
