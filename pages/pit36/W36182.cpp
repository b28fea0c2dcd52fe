#include "pages/pit36/W36182.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/income_table.h"

namespace dek::pages {

using namespace report;

TF_w36182::TF_w36182(HostData& data) : PageReport(data, layout_of("W36182")) {}

namespace {

// Left edge of the year of poz. 42 in the place of the deceased entrepreneur,
// where it goes when the enterprise in inheritance makes the additions.
constexpr int kRokzwDeceasedLeft = 550;

// The section-C answer of person k as a square of poz. 37 to 41 ("QRL_idp" or
// "QRL_idm" + answer); a code outside 1 to 5 marks none.
void mark_answer(Band& b, const std::string& stem, int answer) {
    if (answer >= 1 && answer <= 5) ust_w_str(b, stem + std::to_string(answer), "x");
}

// The sub-rows of revenue with 50 % costs: under row 1 for both persons, under
// row 7 (copyrights) for the taxpayer only; the spouse's is on the next page.
void fill_rows_50(Band& b, const rekdek_t& r, int k) {
    const std::string stem = "QRL_p" + person_letter(k);
    fill_half_costs_row(b, stem + "1", r.k50[k].prz_pr, r.k50[k].kosz_pr);
    if (k == 1) fill_half_costs_row(b, stem + "7", r.k50[1].prz_aut, r.k50[1].kosz_aut);
}

}  // namespace

void TF_w36182::QR_36_2BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;
    const bool joint = sp_opod_wspolnie(data);

    // 1, 2. Section C: the taxpayer's answer, the spouse's under joint
    // taxation.
    for (int i = 1; i <= 5; ++i) {
        ust_w_str(b, "QRL_idp" + std::to_string(i), "");
        ust_w_str(b, "QRL_idm" + std::to_string(i), "");
    }
    mark_answer(b, "QRL_idp", r.inf_dod[1]);
    if (joint) mark_answer(b, "QRL_idm", r.inf_dod[2]);

    // 3. Poz. 41b: additions made by an enterprise in inheritance.
    ust_w_str(b, "QRL_idp6", r.dol_spadek == 1 ? "X" : "");

    // 4 to 7. Poz. 42, the year of the exemption: the taxpayer's for answer 4,
    // in the deceased entrepreneur's place when poz. 41b applies; the
    // spouse's for answer 4 under joint taxation.
    ust_w_str(b, "QRL_rokzw_p", "");
    ust_w_str(b, "QRL_rokzw_m", "");
    if (r.inf_dod[1] == 4 || r.dol_spadek == 1) ust_w_str(b, "QRL_rokzw_p", wydznaki(year_digits(r.pitz[1].rokzw)));
    if (r.dol_spadek == 1) {
        if (Element* e = b.find("QRL_rokzw_p")) e->rect.left = kRokzwDeceasedLeft;
    }
    if (joint && r.inf_dod[2] == 4) ust_w_str(b, "QRL_rokzw_m", wydznaki(year_digits(r.pitz[2].rokzw)));

    // 8, 9. The taxpayer's table D.1: the record's rows 1 to 9, the sale of
    // things (form row 8) and the 50 % sub-rows.
    ust_w_str(b, "QRL_pp_zwol", "");
    fill_pit36_rows(b, r, 1, 1, 9);
    fill_single_row(b, "QRL_pozp", r.poz[1]);
    fill_rows_50(b, r, 1);

    // 10. Unregistered activity (form row 9).
    fill_single_row(b, "QRL_nrejp", r.nrej[1]);

    // 11. Rows 1 and 2 of the spouse's table D.2, only under joint taxation.
    if (joint) {
        fill_pit36_rows(b, r, 2, 1, 2);
        fill_rows_50(b, r, 2);
    } else {
        clear_table_rows(b, "QRL_pm", 1, 2);
        clear_half_costs_row(b, "QRL_pm1");
    }
}

}  // namespace dek::pages
