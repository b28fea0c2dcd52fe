#include "report/grid.h"

#include "report/fill.h"

namespace dek::report {

std::string cell_name(std::string_view stem, int row, int column) {
    return std::string(stem) + std::to_string(row) + std::to_string(column);
}

void clear_grid(Band& band, std::string_view stem, int first_row, int last_row, int columns) {
    for (int row = first_row; row <= last_row; ++row)
        for (int column = 1; column <= columns; ++column) ust_w_str(band, cell_name(stem, row, column), "");
}

}  // namespace dek::report
