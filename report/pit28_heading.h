// The heading shared by the PIT-28 pages and its attachments PIT-28/A and
// PIT-28/B, filled from the PIT-28 record: the taxpayer's identifier box, the
// year and the surname, first name and date of birth.
#pragma once

#include "records/rek28.h"
#include "report/page.h"

namespace dek::report {

// `QRL_nip` with its covers `QRL_kas_nip` and `QRL_kas_pes`: the PESEL when
// the taxpayer is known by it (the word "NIP" struck out), else the NIP (the
// words "numer PESEL" struck out).
void fill_pit28_identifier(Band& band, const rek28_t& r);

// `QRL_rok`: the tax year, spaced for the form's character cells.
void fill_pit28_year(Band& band, const rek28_t& r);

// `QRL_nazw`, `QRL_im` as stored and `QRL_dur` as a date.
void fill_pit28_names(Band& band, const rek28_t& r);

}  // namespace dek::report
