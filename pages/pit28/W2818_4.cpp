#include "pages/pit28/W2818_4.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/joined.h"

namespace dek::pages {

using namespace report;

TF_w2818_4::TF_w2818_4(HostData& data) : PageReport(data, layout_of("W2818_4")) {}

namespace {

// `d_kto`: the spouse filed the PIT/D with an own return.
constexpr byte kSpouse = 1;

}  // namespace

void TF_w2818_4::QR_28_4BeforePrint(bool& /*PrintReport*/) {
    const rek28_t& r = data.rek28;
    Band& b = DB_dane;

    // 1. Lump-sum tax of the months January to November, whole złoty.
    for (int m = 1; m <= 11; ++m) ust_wart(b, "QRL_pod" + std::to_string(m), r.rycz_mies[m], 0);

    // 2. Its total and the tax for December, whole złoty.
    ust_w_str(b, "QRL_sum_rycz", kwota(r.sum_rycz, 0));
    ust_w_str(b, "QRL_rycz_gr", kwota(r.rycz_gr, 0));

    // 3. to 6. The 1 % transfer: organisation, amount, purpose, consent; the
    // contact data. Texts stored in parts print as one line.
    ust_w_str(b, "QRL_krs", trim(r.krs.str()));
    ust_w_str(b, "QRL_poz_odl", kwota(r.poz_odl, 2));
    ust_w_str(b, "QRL_cel", joined_trimmed({r.cel[1].str(), r.cel[2].str()}));
    ust_w_str(b, "QRL_inf_cel", mark(r.inf_cel));
    ust_w_str(b, "QRL_kontakt", joined_trimmed({r.kontakt[1].str(), r.kontakt[2].str()}));

    // 7. Attachment counts: PIT/O, PIT/D, PIT-2K, PIT-28/A and PIT-28/B
    // (elements 4 and 5 of the counts belong to no box).
    for (int i : {1, 2, 3, 6, 7}) ust_wart(b, "QRL_zal" + std::to_string(i), r.ilzal[i], 0);

    // 8. Who filed the PIT/D: the taxpayer (0) or the spouse (1).
    ust_w_str(b, "QRL_d_p", mark(r.d_kto == 0));
    ust_w_str(b, "QRL_d_m", mark(r.d_kto == kSpouse));

    // 9. The return it went with, whoever filed it: PIT-28 (0), PIT-36 (1),
    // PIT-37 (2).
    ust_w_str(b, "QRL_d28", mark(r.d_kod == 0));
    ust_w_str(b, "QRL_d36", mark(r.d_kod == 1));
    ust_w_str(b, "QRL_d37", mark(r.d_kod == 2));

    // 10. The spouse's identifier, name and tax office when the spouse filed
    // it: its three parts joined by single blanks like every text stored in
    // parts, so no part runs into the next.
    ust_w_str(b, "QRL_d_us",
              r.d_kto == kSpouse ? joined_trimmed({r.d_us[1].str(), r.d_us[2].str(), r.d_us[3].str()}) : "");

    // 11. Reports on the transfer-pricing method.
    ust_w_str(b, "QRL_spr", kwota(r.il_spr, 0));

    // 12. Large Family Card: only the value 1 marks it, with a capital X.
    ust_w_str(b, "QRL_kdr", r.kdr == 1 ? "X" : "");

    // 13. The attorney, when one signs.
    ust_w_str(b, "QRL_peln", r.jest_peln ? trim(r.peln.str()) : "");
}

}  // namespace dek::pages
