// The pages a return prints, by the class of its print dialog: what `render`
// fills for it.
#pragma once

#include <string_view>
#include <vector>

#include "jobs/print_sequence.h"

namespace dek::library {

// The print job of the print dialog of that class ("Tf_wydpit37"); nullptr
// for a name no dialog has.
const jobs::PrintJob* print_job(std::string_view dialog_class);

// Every page class the job prints, in the job's order without repeats; a
// PIT-28 return's PIT/O, PIT/D and PIT-2K pages among them.
std::vector<std::string_view> printed_page_classes(const jobs::PrintJob& job);

}  // namespace dek::library
