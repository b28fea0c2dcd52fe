// A request of the spouses on how a deduction is split between them (PIT/D
// B.1.1, B.3.1, C.2.1): a PIT-28 row and a PIT-36/PIT-37 row, each with a
// taxpayer and a spouse column, printed when its flag says the row is filled.
#pragma once

#include <string_view>

#include "records/rekdek.h"
#include "report/page.h"

namespace dek::report {

// The four labels of one request.
struct RequestLabels {
    std::string_view p28, m28, p36, m36;
};

// Clears the four labels, then gives the PIT-28 row its amounts when `jest28`
// is set and the PIT-36/PIT-37 row its amounts when `jest36` is set. Both
// columns print whatever the taxation method: spouses taxed separately split
// these deductions too.
void fill_request(Band& band, const dane_wnd& request, const RequestLabels& labels);

}  // namespace dek::report
