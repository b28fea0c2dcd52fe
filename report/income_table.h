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

// The business row of PIT-36 (non-agricultural business activity), whose
// loss column follows the person's answer on the art. 44 ust. 7a exemption
// (`answer`, the code of section C): 3, the exemption used in the tax year,
// prints the exempt income in `exempt` and the PIT/Z loss `st_b4`; 4, the
// additions of art. 44 ust. 7f, prints the PIT/Z loss `st_7f`; any other
// answer the row's own loss. The income column shows the income when it is
// zero or more, else 0.
void fill_business_row(Band& band, const std::string& prefix, std::string_view exempt, const wiersz_zr& row, int answer,
                       const dane_pitz& pitz);

// A row kept in single precision (revenue, costs, income), without advance:
// columns 1 and 2, the income split into columns 3 and 4.
void fill_single_row(Band& band, const std::string& prefix, const Arr<single, 1, 3>& row);

// A sub-row of revenue with 50 % costs: the prefix's columns 1 and 2 with the
// suffix "_1" ("QRL_pp1" -> "QRL_pp11_1", "QRL_pp12_1").
void fill_half_costs_row(Band& band, const std::string& prefix, double prz, double kosz);
// Clears that sub-row.
void clear_half_costs_row(Band& band, const std::string& prefix);

// Clears the grid "QRL_p" + letter + row + column for the rows `first` to
// `last` and the columns 1 to 5; names no label bears pass without effect.
void clear_table_rows(Band& band, const std::string& stem, int first, int last);

// The PIT-36 income table of person k (1 taxpayer, 2 spouse), the record's
// rows `first` to `last` of `zr`: row 2 without costs, row 3 by the person's
// section-C answer, row 9 the totals, the others split. The label row digit is
// the record's row ("QRL_pp81" is `zr[8]`, other sources, printed in the
// form's row 10).
void fill_pit36_rows(Band& band, const rekdek_t& r, int k, int first, int last);

}  // namespace dek::report
