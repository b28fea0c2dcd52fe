// Tables of labels named by a stem, a row digit and a column digit
// ("QRL_prz" + "2" + "3"), as the attachment tables name their boxes.
#pragma once

#include <string>
#include <string_view>

#include "report/page.h"

namespace dek::report {

// The name of the box in that row and column.
std::string cell_name(std::string_view stem, int row, int column);

// Clears every built name of rows `first_row` to `last_row` and columns 1 to
// `columns`; names that no label bears (the form's shaded cells) are passed over.
void clear_grid(Band& band, std::string_view stem, int first_row, int last_row, int columns);

}  // namespace dek::report
