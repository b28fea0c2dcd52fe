#include "pages/attachments/Wb18_2.h"

#include "pages/page_classes.h"
#include "records/pitb.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/partnership.h"
#include "report/person_heading.h"

namespace dek::pages {

using namespace report;

TF_wb18_2::TF_wb18_2(HostData& data) : PageReport(data, layout_of("Wb18_2")) {}

namespace {

struct Totals {
    double revenue = 0, costs = 0, income = 0;
};

// Every present entry of the person, whichever set prints it: an activity's
// own amounts, and of a partnership only the share attributable to the
// person, never the partnership's own figures.
Totals person_totals(const dane_pitb& block) {
    Totals t;
    for (const dane_dzg& a : block.dzgosp) {
        if (!dzgosp_present(a)) continue;
        t.revenue += a.prz_dg;
        t.costs += a.ko_dg;
        t.income += a.d_dg;
    }
    for (const dane_sp& s : block.spolki) {
        if (!spolka_present(s)) continue;
        t.revenue += s.prz_sp[2];
        t.costs += s.prz_sp[4];
        t.income += s.prz_sp[6];
    }
    return t;
}

}  // namespace

void TF_wb18_2::QR_b_2BeforePrint(bool& /*PrintReport*/) {
    Band& b = DB_dane;
    const int person = person_index(nrp);
    const int after = checked_variant("nr", nr, {1, 4});
    const dane_pitb& block = data.rekdek.pitb[person];

    // 1.-2. Totals; a negative income is a loss, printed as a positive amount.
    Totals t = person_totals(block);
    const double loss = t.income < 0 ? -t.income : 0;
    if (t.income < 0) t.income = 0;

    // 3. The person's sets, counted as the job counts them.
    const int sets = pitb_sets(block);

    // 4. The present partnerships nr + 1 and nr + 2 in rows 2 and 3, texts as
    // stored.
    for (int k = after + 1; k <= after + 2; ++k)
        fill_partnership(b, k, nth_partnership(block, k), PartnershipTexts::AsStored);

    // 5. Section D on the only set or the second of two; the first of two
    // leaves it empty, so the totals appear once.
    const bool totals_here = sets != 2 || after > 1;
    ust_w_str(b, "QRL_prz_sum", totals_here ? kwota(t.revenue, 2) : "");
    ust_w_str(b, "QRL_ko_sum", totals_here ? kwota(t.costs, 2) : "");
    ust_w_str(b, "QRL_d_sum", totals_here ? kwota(t.income, 2) : "");
    ust_w_str(b, "QRL_st_sum", totals_here ? kwota(loss, 2) : "");

    // 6. Section E: one square of each question, bit 0 for poz. 56 and bit 1
    // for poz. 57 (set: tak, clear: nie).
    const byte answers = data.rekdek.pitb_e[person];
    set_enabled(b, (answers & 1) != 0 ? "QRL_21" : "QRL_22", true);
    set_enabled(b, (answers & 2) != 0 ? "QRL_31" : "QRL_32", true);
}

}  // namespace dek::pages
