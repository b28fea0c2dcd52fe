// How many PIT/B sheet sets a person's business block needs. A set is page 1
// (two activities and one partnership) and page 2 (two more partnerships):
// set 1 holds activities 1-2 and partnerships 1-3, set 2 activities 3-4 and
// partnerships 4-6. Entries print at their own positions, so the count goes by
// the highest present index, not by how many entries are present: with only
// activities 1 and 4 the person needs both sets, or activity 4 would never
// reach paper while it still counts in the totals.
#pragma once

#include "records/rekdek.h"

namespace dek {

// An activity is present when its `dzial` or `reg` holds anything (blanks
// count: the texts are taken as stored).
bool dzgosp_present(const dane_dzg& a);
// A partnership is present when its `nazsp`, `regsp` or `nipsp` holds anything.
bool spolka_present(const dane_sp& s);

// 2 when an activity above the 2nd or a partnership above the 3rd is present,
// else 1 when any entry is present, 0 when none is.
int pitb_sets(const dane_pitb& b);

}  // namespace dek
