#include "report/income_table.h"

#include "report/fill.h"
#include "report/grid.h"

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

void fill_business_row(Band& band, const std::string& prefix, std::string_view exempt, const wiersz_zr& row, int answer,
                       const dane_pitz& pitz) {
    column(band, prefix, '1', row.prz, 2);
    column(band, prefix, '2', row.kosz, 2);
    column(band, prefix, '3', row.doch >= 0 ? row.doch : 0.0, 2);
    if (answer == 3) {
        ust_wart(band, exempt, pitz.zwol, 2);
        column(band, prefix, '4', pitz.st_b4, 2);
    } else if (answer == 4) {
        column(band, prefix, '4', pitz.st_7f, 2);
    } else {
        column(band, prefix, '4', row.doch < 0 ? -row.doch : 0.0, 2);
    }
    column(band, prefix, '5', row.zal, 0);
}

void fill_single_row(Band& band, const std::string& prefix, const Arr<single, 1, 3>& row) {
    column(band, prefix, '1', row[1], 2);
    column(band, prefix, '2', row[2], 2);
    fill_income_or_loss(band, prefix + '3', prefix + '4', row[3]);
}

void fill_half_costs_row(Band& band, const std::string& prefix, double prz, double kosz) {
    ust_wart(band, prefix + "1_1", prz, 2);
    ust_wart(band, prefix + "2_1", kosz, 2);
}

void clear_half_costs_row(Band& band, const std::string& prefix) {
    ust_w_str(band, prefix + "1_1", "");
    ust_w_str(band, prefix + "2_1", "");
}

void clear_table_rows(Band& band, const std::string& stem, int first, int last) {
    clear_grid(band, stem, first, last, 5);
}

void fill_pit36_rows(Band& band, const rekdek_t& r, int k, int first, int last) {
    const dane_doch& d = r.dochody[k];
    const std::string stem = "QRL_p" + person_letter(k);
    for (int i = first; i <= last; ++i) {
        const std::string prefix = stem + std::to_string(i);
        if (i == 2)
            fill_row_without_costs(band, prefix, d.zr[2]);
        else if (i == 3)
            fill_business_row(band, prefix, stem + "_zwol", d.zr[3], r.inf_dod[k], r.pitz[k]);
        else if (i == 9)
            fill_totals_row(band, prefix, d.zr[9]);
        else
            fill_split_row(band, prefix, d.zr[i]);
    }
}

}  // namespace dek::report
