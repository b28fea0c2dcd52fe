#include "report/income_table.h"

#include "report/fill.h"

namespace dek::report {

namespace {

void column(Band& band, const std::string& prefix, char col, double value, int decimals) {
    ust_wart(band, prefix + col, value, decimals);
}

}  // namespace

std::string person_letter(int k) { return k == 1 ? "p" : "m"; }

void fill_income_or_loss(Band& band, std::string_view income, std::string_view loss, double doch) {
    if (doch > 0) {
        ust_wart(band, income, doch, 2);
        ust_wart(band, loss, 0, 2);
    } else {
        ust_wart(band, income, 0, 2);
        ust_wart(band, loss, -doch, 2);
    }
}

void fill_split_row(Band& band, const std::string& prefix, const wiersz_zr& row) {
    column(band, prefix, '1', row.prz, 2);
    column(band, prefix, '2', row.kosz, 2);
    fill_income_or_loss(band, prefix + '3', prefix + '4', row.doch);
    column(band, prefix, '5', row.zal, 0);
}

void fill_row_without_costs(Band& band, const std::string& prefix, const wiersz_zr& row) {
    column(band, prefix, '1', row.prz, 2);
    column(band, prefix, '3', row.doch, 2);
    column(band, prefix, '5', row.zal, 0);
}

void fill_totals_row(Band& band, const std::string& prefix, const wiersz_zr& row) {
    column(band, prefix, '1', row.prz, 2);
    column(band, prefix, '2', row.kosz, 2);
    column(band, prefix, '3', row.doch, 2);
    column(band, prefix, '5', row.zal, 0);
}

}  // namespace dek::report
