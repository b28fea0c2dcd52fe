// Section E of PIT/O: the children for whom the child relief is claimed, one
// block E.k per child over the labels "QRL_pes_d" + k, "QRL_im_d" + k,
// "QRL_nazw_d" + k, "QRL_dur_d" + k and the two-column "QRL_mc" + k + column
// and "QRL_ud" + k + column (column 1 the taxpayer, 2 the spouse). The blocks
// E.1 to E.3 print on page 3 of the attachment, E.4 and E.5 on page 4.
#pragma once

#include "records/host_data.h"
#include "report/fill.h"
#include "report/page.h"

namespace dek::report {

// A child is entered when it has a PESEL, or else a first name, a surname and
// a date of birth whose month byte is set.
bool child_present(const dane_dziecka& child);

// The blocks of the children `first` to `last` (of `rekdek.dzieci`): an
// entered child prints all its boxes, an empty one as empty text and its
// months as digits (0 included); the spouse's months only under joint
// taxation, both reliefs as amounts under any taxation method. The labels of a
// child not entered are left as they are.
void fill_children(Band& band, const HostData& data, int first, int last);

}  // namespace dek::report
