// Identifier boxes shared by the first pages of the returns and the
// attachments: a NIP or PESEL in the box, the form's word that does not apply
// struck out by its cover.
#pragma once

#include <string>
#include <string_view>

#include "records/host_data.h"
#include "report/page.h"

namespace dek::report {

// The caption of an identifier box: a NIP as "5 2 6 - 0 2 5 - ..." (dashes
// removed, laid out 3-3-2-2, spaced), a PESEL spaced as stored.
std::string nip_caption(std::string_view nip);
std::string pesel_caption(std::string_view pesel);

// Fills the identifier label `value` of one person: by PESEL the cover over
// the word "NIP" (`cover_nip`) is enabled and the PESEL printed; by NIP the
// cover over "numer PESEL" (`cover_pesel`) is enabled and the NIP printed.
void fill_identifier(Band& band, std::string_view value, std::string_view cover_nip, std::string_view cover_pesel,
                     bool by_pesel, std::string_view nip, std::string_view pesel);

// The identifier boxes of the taxpayer (`QRL_nip`, covers `QRL_kas_nip`,
// `QRL_kas_pes`) and of the spouse (the same names with the suffix 1). The
// spouse's is filled under joint taxation; otherwise it is cleared and
// disabled and its covers stay as they are.
void fill_identifiers(Band& band, const HostData& data);

// The memo `QRL_nrref` of a first page: enabled exactly when the host asks for
// the reference number; then its two lines are characters 1 to 16 and 17 to
// the end (the second empty for a number of 16 characters or fewer).
void fill_nrref(Band& band, const HostData& data);

// The same memo on pages whose box holds the number on one line (PIT-36L and
// PIT-28 page 1): the whole number as its only line, never split.
void fill_nrref_one_line(Band& band, const HostData& data);

}  // namespace dek::report
