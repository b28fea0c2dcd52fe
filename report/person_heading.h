// The heading of the attachments filed once for each person (the page's
// `nrp`: 1 taxpayer, 2 spouse): the person's identifier in `QRL_nip`, the tax
// year in `QRL_rok`, and the surname, first name and date of birth in
// `QRL_nazw`, `QRL_im` and `QRL_dur`.
#pragma once

#include <string>

#include "records/host_data.h"
#include "report/page.h"

namespace dek::report {

// The identification block of person `nrp`: the spouse's for 2, else the
// taxpayer's.
const dane_os& person_block(const rekdek_t& r, int nrp);

// What the form's identifier box takes.
enum class PersonIdentifier {
    Nip,         // the NIP whatever the identification flag; the box has no PESEL alternative
    NipOrPesel,  // by the person's flag, the other word struck out by `QRL_kas_nip` / `QRL_kas_pes`
};

// A person's surname, first name and date of birth into `QRL_nazw`, `QRL_im`
// and `QRL_dur` followed by `suffix`.
void fill_person_names(Band& band, const dane_os& person, const std::string& suffix);

// Identifier, year and names of person `nrp`.
void fill_person_heading(Band& band, const rekdek_t& r, int nrp, PersonIdentifier id);

}  // namespace dek::report
