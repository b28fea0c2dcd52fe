#include "pages/pit37/W37184.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/pitd_card_attorney.h"

namespace dek::pages {

using namespace report;

TF_w37184::TF_w37184(HostData& data) : PageReport(data, layout_of("W37184")) {}

void TF_w37184::QR_37_4BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1. Attachment counts; "0" prints too. The label numbers follow the
    // attachments, not the boxes: poz. 128 PIT/O, 129 residence certificates,
    // 130 PIT-2K, 131 PIT/D.
    ust_w_str(b, "QRL_zal1", std::to_string(r.ilzal[5]));
    ust_w_str(b, "QRL_zal2", std::to_string(r.ilzal[2]));
    ust_w_str(b, "QRL_zal3", std::to_string(r.ilzal[3]));
    ust_w_str(b, "QRL_zal4", std::to_string(r.ilzal[12]));

    // 2.-7. Poz. 132 to 134 (the PIT/D), 139 (the Large Family Card) and 142
    // (the attorney).
    fill_pitd_card_attorney(b, r, sp_opod_wspolnie(data));
}

}  // namespace dek::pages
