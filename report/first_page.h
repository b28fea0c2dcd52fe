// Pieces shared by the first pages of PIT-37 and PIT-36: the year, the
// taxation method and the art. 29 ust. 4 squares, the tax office and the
// purpose of filing, and the identification data and address of section B.
#pragma once

#include <string_view>

#include "records/rekdek.h"
#include "report/page.h"

namespace dek::report {

// `QRL_rok` (the year spaced for its cells), one of `QRL_sp_op1` to
// `QRL_sp_op4` by the method code (none for a code above 3), `QRL_nier` and
// `QRL_nier1` each by its own flag, `QRL_urz` as stored, and exactly one of
// `QRL_zl_dek` (filing) and `QRL_kor_dek` (correction).
void fill_return_heading(Band& band, const rekdek_t& r);

// The labels of one person's block, taxpayer (suffix "") or spouse (suffix
// "1"), from surname to post office, texts as stored and the date of birth as
// "DD-MM-YYYY".
void fill_person_block(Band& band, const dane_os& os, std::string_view suffix);

// Clears the same labels.
void clear_person_block(Band& band, std::string_view suffix);

}  // namespace dek::report
