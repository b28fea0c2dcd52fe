// The name of a printed sheet in a document of the whole return (a bookmark
// of the combined PDF): what the user ticked to get it, and whose or which
// set it is when one box prints several sheets.
#pragma once

#include <string>

#include "jobs/print_dialog.h"
#include "jobs/print_sequence.h"

namespace dek::jobs {

// The caption of the dialog's checkbox that selected the sheet, runs of
// blanks made one ("PIT/O  2/4" -> "PIT/O 2/4"); then the person when the
// sheet's prompt names one, " (podatnik)" or " (małżonek)". A sheet of a loop
// printed per person (the PIT/B sets) names its person likewise, with the
// set when that person has more than one: " (małżonek, zestaw 2)". A loop
// printed for no person (the PIT-28/B attachments) gives " (zestaw s)" for
// the s-th of several passes. Throws std::logic_error when the dialog has no
// such box.
std::string sheet_title(const DialogDescription& dialog, const Sheet& sheet);

// `text` with every run of blanks made one blank and none at either end.
std::string collapse_blanks(std::string_view text);

}  // namespace dek::jobs
