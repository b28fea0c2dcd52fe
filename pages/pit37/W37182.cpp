#include "pages/pit37/W37182.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/income_table.h"

namespace dek::pages {

using namespace report;

TF_w37182::TF_w37182(HostData& data) : PageReport(data, layout_of("W37182")) {}

namespace {

// The income table of person k (1 taxpayer, 2 spouse), form rows 1 to 6 by
// built names "QRL_p" + letter + row + column. Row 2 (pensions) has no cost and
// no loss column; row 6 is the totals row, taken from `zr[9]`.
void fill_rows(TF_w37182& page, int k) {
    const dane_doch& d = page.data.rekdek.dochody[k];
    const std::string stem = "QRL_p" + person_letter(k);
    for (int i = 1; i <= 6; ++i) {
        const std::string prefix = stem + std::to_string(i);
        if (i == 2)
            fill_row_without_costs(page.DB_dane, prefix, d.zr[2]);
        else if (i == 6)
            fill_totals_row(page.DB_dane, prefix, d.zr[9]);
        else
            fill_split_row(page.DB_dane, prefix, d.zr[i]);
    }
}

// The sub-rows of revenue with 50 % costs under rows 1 and 4 of person k.
void fill_rows_50(TF_w37182& page, int k) {
    const dane_k50& d = page.data.rekdek.k50[k];
    const std::string stem = "QRL_p" + person_letter(k);
    fill_half_costs_row(page.DB_dane, stem + "1", d.prz_pr, d.kosz_pr);
    fill_half_costs_row(page.DB_dane, stem + "4", d.prz_aut, d.kosz_aut);
}

// The whole spouse grid, names of the shaded cells included (no label bears
// them, so they pass without effect).
void clear_spouse_table(Band& b) {
    clear_table_rows(b, "QRL_pm", 1, 6);
    clear_half_costs_row(b, "QRL_pm1");
    clear_half_costs_row(b, "QRL_pm4");
}

}  // namespace

void TF_w37182::QR_37_2BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;
    const bool joint = sp_opod_wspolnie(data);

    // 1. Taxpayer's table C.1.
    fill_rows(*this, 1);
    fill_rows_50(*this, 1);

    // 2. Spouse's table C.2, only under joint taxation.
    if (joint) {
        fill_rows(*this, 2);
        fill_rows_50(*this, 2);
    } else {
        clear_spouse_table(b);
    }

    // 3. Section D: every amount printed, zero as "0,00"; the spouse's column
    // only under joint taxation.
    ust_w_str(b, "QRL_zus", kwota(r.pito.odl[1], 2));
    ust_w_str(b, "QRL_zus1", joint ? kwota(r.pito_m.odl[1], 2) : "");
    ust_w_str(b, "QRL_po", kwota(r.dochody[1].po, 2));
    ust_w_str(b, "QRL_po1", joint ? kwota(r.dochody[2].po, 2) : "");
    ust_w_str(b, "QRL_ods", kwota(r.ods, 2));
    ust_w_str(b, "QRL_dpo", kwota(r.dpo, 2));
    ust_w_str(b, "QRL_pdbiez", kwota(r.pdbiez, 2));
}

}  // namespace dek::pages
