// Rows of the income tables (PIT-37 section C, PIT-36 section D): labels named
// by a row prefix and a column digit ("QRL_pp1" + "3"), columns 1 Przychód,
// 2 Koszty, 3 Dochód, 4 Strata, 5 Zaliczka. Amounts in złoty and grosze, the
// advance in whole złoty.
#pragma once

#include <string>
#include <string_view>

#include "records/rekdek.h"
#include "report/page.h"

namespace dek::report {

// The person letter of built label names: "p" for the taxpayer (1), "m" for
// the spouse (2).
std::string person_letter(int k);

// Income split into the income and loss columns: a positive income goes to
// `income` with 0 in `loss`; zero or a loss puts 0 in `income` and the loss,
// as a positive amount, in `loss`.
void fill_income_or_loss(Band& band, std::string_view income, std::string_view loss, double doch);

// A row with revenue and costs, the income split into columns 3 and 4, and
// the advance.
void fill_split_row(Band& band, const std::string& prefix, const wiersz_zr& row);

// A row without costs and loss (pensions): columns 1, 3 (income as it is,
// a negative one too) and 5.
void fill_row_without_costs(Band& band, const std::string& prefix, const wiersz_zr& row);

// The totals row: columns 1, 2, 3 (income as it is) and 5; no loss column.
void fill_totals_row(Band& band, const std::string& prefix, const wiersz_zr& row);

}  // namespace dek::report
