#include "pages/pit36/W36187.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/opp_request.h"
#include "report/pitd_card_attorney.h"

namespace dek::pages {

using namespace report;

TF_w36187::TF_w36187(HostData& data) : PageReport(data, layout_of("W36187")) {}

void TF_w36187::QR_36_7BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1. Poz. 414 with grosze.
    ust_wart(b, "QRL_doch_45", r.doch_45, 2);

    // 2.-6. The 1 % transfer, its purpose, the consent and the contact line.
    fill_opp_request(b, r);

    // 7. The attachment counts, "0" included. Each "QRL_zal" + i counts the
    // attachments of kind i; PIT/Z (kind 9) and PIT/MIT have labels of their
    // own.
    for (int i = 1; i <= 12; ++i) {
        if (i == 9)
            ust_w_str(b, "QRL_zaluz", std::to_string(r.ilzal[9]));
        else
            ust_wart(b, "QRL_zal" + std::to_string(i), r.ilzal[i], 0);
    }
    ust_w_str(b, "QRL_tp", std::to_string(r.ilzal_mit));

    // 8.-13. Poz. 433 to 435 (the PIT/D), 436 (the Large Family Card) and 439
    // (the attorney).
    fill_pitd_card_attorney(b, r, sp_opod_wspolnie(data));
}

}  // namespace dek::pages
