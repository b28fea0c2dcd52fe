// The heading of the attachments printed once per person, for the person a
// page's `nrp` names (1 taxpayer, 2 spouse) whatever the taxation method: the
// identifier box `QRL_nip` (with the covers `QRL_kas_nip` and `QRL_kas_pes`
// where the form offers NIP or PESEL), the year `QRL_rok` and the surname,
// first name and date of birth `QRL_nazw`, `QRL_im`, `QRL_dur` of section A.
#pragma once

#include <string>

#include "records/host_data.h"
#include "report/page.h"

namespace dek::report {

// The person index a page reads its records at: `nrp` itself when it is 1 or
// 2. Any other value (a page created without its variant set) would read
// outside the per-person arrays, so it throws std::out_of_range instead.
int person_index(int nrp);

// The identification block of person k: the taxpayer's for 1, the spouse's
// for 2 (other values throw, as `person_index`).
const dane_os& person_block(const rekdek_t& r, int k);

// A person's surname, first name and date of birth into `QRL_nazw`, `QRL_im`
// and `QRL_dur` followed by `suffix`.
void fill_person_names(Band& band, const dane_os& person, const std::string& suffix);

// The identifier of person k on a form that asks for "NIP / numer PESEL": by
// the person's PESEL flag (`ident_pesel`, `ident_pesel_m`) the spaced PESEL
// with the word NIP struck out, otherwise the NIP laid out 3-3-2-2 and spaced
// with the words "numer PESEL" struck out.
void fill_person_identifier(Band& band, const HostData& data, int k);

// What the form's identifier box asks for: "NIP / numer PESEL" (by the
// person's flag, the other word struck out), or the NIP alone (printed also
// for a person known by PESEL, no cover touched).
enum class IdentifierBox { NipOrPesel, NipOnly };

// The whole heading of person k, in this order: the identifier box, the year
// spread over its character cells, then surname and first name as stored and
// the date of birth as DD-MM-YYYY.
void fill_person_heading(Band& band, const HostData& data, int k, IdentifierBox box);

}  // namespace dek::report
