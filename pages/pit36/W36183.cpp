#include "pages/pit36/W36183.h"

#include <string>

#include "pages/page_classes.h"
#include "report/amount_pair.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/income_table.h"
#include "report/zal44.h"

namespace dek::pages {

using namespace report;

TF_w36183::TF_w36183(HostData& data) : PageReport(data, layout_of("W36183")) {}

namespace {

// The PIT/M amounts of both persons: each person's own, plus the other's
// where the spouses are taxed jointly and the other gave theirs to both
// (`pm_obu` 1). Summed in ten-thousandths, as the attachment's totals are.
struct PitmSums {
    FixedSum income[3];   // [1] taxpayer, [2] spouse
    FixedSum advance[3];  // whole złoty on the form
};

PitmSums pitm_sums(const rekdek_t& r, bool joint) {
    PitmSums s;
    for (int k = 1; k <= (joint ? 2 : 1); ++k) {
        const dane_doch& d = r.dochody[k];
        const int other = 3 - k;
        s.income[k].add(d.pm);
        if (joint && d.pm_obu == 1) s.income[other].add(d.pm);
        s.advance[k].add(d.zm);
        if (joint && d.pm_obu == 1) s.advance[other].add(d.zm);
    }
    return s;
}

}  // namespace

void TF_w36183::QR_36_3BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;
    const bool joint = sp_opod_wspolnie(data);

    // 1. The spouse's exempt income under row 3 is printed only for answer 3.
    ust_w_str(b, "QRL_pm_zwol", "");

    // 2. Rows 3 to 11 of the spouse's table, only under joint taxation: the
    // record's rows 3 to 9, the sale of things and the unregistered activity
    // (form rows 8 and 9), and the 50 % sub-row under copyrights.
    if (joint) {
        fill_pit36_rows(b, r, 2, 3, 9);
        fill_single_row(b, "QRL_pozm", r.poz[2]);
        fill_single_row(b, "QRL_nrejm", r.nrej[2]);
        fill_half_costs_row(b, "QRL_pm7", r.k50[2].prz_aut, r.k50[2].kosz_aut);
    } else {
        clear_table_rows(b, "QRL_pm", 1, 9);
        clear_half_costs_row(b, "QRL_pm7");
        for (int i = 1; i <= 4; ++i) {
            ust_w_str(b, "QRL_pozm" + std::to_string(i), "");
            ust_w_str(b, "QRL_nrejm" + std::to_string(i), "");
        }
    }

    // 3. D.3, the minors' income and advances of PIT/M.
    const PitmSums pitm = pitm_sums(r, joint);
    ust_w_str(b, "QRL_pm", kwota(pitm.income[1].value(), 2));
    ust_w_str(b, "QRL_pm1", joint ? kwota(pitm.income[2].value(), 2) : "");
    ust_w_str(b, "QRL_zm", kwota(pitm.advance[1].value(), 0));
    ust_w_str(b, "QRL_zm1", joint ? kwota(pitm.advance[2].value(), 0) : "");

    // 4. Sections E and F, the taxpayer's and the spouse's columns.
    const dane_doch& p = r.dochody[1];
    const dane_doch& m = r.dochody[2];
    kwota_pair(b, {"QRL_dzw", "QRL_dzw1"}, joint, p.dzw, m.dzw);
    kwota_pair(b, {"QRL_21_1_63b", "QRL_21_1_63b1"}, joint, r.dzw63b, r.dzw63b_m);
    ust_w_str(b, "QRL_zr_str", trim(p.zr_str.str()));
    kwota_pair(b, {"QRL_str", "QRL_str1"}, joint, p.str, m.str);
    ust_w_str(b, "QRL_zmar", kwota(r.zmar, 2));
    kwota_pair(b, {"QRL_zus", "QRL_zus1"}, joint, r.pito.odl[1], r.pito_m.odl[1]);
    kwota_pair(b, {"QRL_zus_zagr", "QRL_zus_zagr1"}, joint, p.zus_zagr, m.zus_zagr);
    kwota_pair(b, {"QRL_dpo", "QRL_dpo1"}, joint, p.dpo_zs, m.dpo_zs);
    kwota_pair(b, {"QRL_po", "QRL_po1"}, joint, p.po, m.po);
    kwota_pair(b, {"QRL_br", "QRL_brm"}, joint, r.br, r.br_m);
    kwota_pair(b, {"QRL_br1", "QRL_br1m"}, joint, r.br1, r.br1_m);
    kwota_pair(b, {"QRL_brn", "QRL_brnm"}, joint, r.brn, r.brn_m);
    ust_w_str(b, "QRL_ods", kwota(r.ods, 2));
}

}  // namespace dek::pages
