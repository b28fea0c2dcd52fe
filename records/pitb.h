// A person's PIT/B entries as the attachments print them. A set is page 1
// (two activities and one partnership) and page 2 (two more partnerships).
// The present entries, in their order in the record, fill the sets: the
// activities two to a set, the partnerships three (the first on page 1, the
// second and third on page 2). An empty entry takes no place, so every
// present entry is printed exactly once and no set is printed empty,
// whichever record positions the entries sit at.
#pragma once

#include "records/rekdek.h"

namespace dek {

// An activity is present when its `dzial` or `reg` holds anything (blanks
// count: the texts are taken as stored).
bool dzgosp_present(const dane_dzg& a);
// A partnership is present when its `nazsp`, `regsp` or `nipsp` holds anything.
bool spolka_present(const dane_sp& s);

// How many activities and partnerships of the block are present.
int activities_present(const dane_pitb& b);
int partnerships_present(const dane_pitb& b);

// The n-th present activity or partnership, counted from 1 in record order;
// nullptr when fewer are present.
const dane_dzg* nth_activity(const dane_pitb& b, int n);
const dane_sp* nth_partnership(const dane_pitb& b, int n);

// The person's PIT/B sets: enough for two activities and three partnerships
// each, max(ceil(activities / 2), ceil(partnerships / 3)); 0 when nothing is
// present.
int pitb_sets(const dane_pitb& b);

}  // namespace dek
