// The pages a return of each form prints: what `render` fills for it.
#pragma once

#include <string_view>
#include <vector>

#include "host/return_file.h"
#include "jobs/print_sequence.h"

namespace dek::host {

// The print job of the form's print dialog.
const jobs::PrintJob& print_job(Form form);

// Every page class the form's print job prints, in the job's order without
// repeats; a PIT-28 return's PIT/O, PIT/D and PIT-2K pages among them.
std::vector<std::string_view> printed_page_classes(Form form);

}  // namespace dek::host
