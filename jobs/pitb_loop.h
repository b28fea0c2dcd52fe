// The PIT/B sheets of the PIT-36 and PIT-36L jobs: one pass per sheet set of
// each person, page 1 then page 2 of the set.
#pragma once

#include <vector>

#include "jobs/print_sequence.h"
#include "records/host_data.h"

namespace dek::jobs {

// The passes of the PIT/B loop for persons 1 .. `persons` (1 the taxpayer, 2
// the spouse), the taxpayer's sets first. Person p with n sets (`pitb_sets`)
// gets, for each set s = 1 .. n, a pass of two sheets: page 1 with `nrp` p,
// `nr` 2s - 1 (the first of the set's two activities) and `ilb` n, and page 2
// with `nrp` p, `nr` 3s - 2 (the first of the set's three partnerships), the
// entries counted over the present ones. A person without a present entry
// gets no pass.
//
// The passes do not depend on the ticks: each sheet of a pass is skipped on
// its own when its box is unticked, so unticking page 1 never drops a
// person's partnership pages, nor page 2 the totals of page 1.
std::vector<std::vector<VariantFields>> pitb_passes(const HostData& data, int persons);

}  // namespace dek::jobs
