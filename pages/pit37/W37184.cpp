#include "pages/pit37/W37184.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/joined.h"

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

    // 2. Poz. 132: who filed the PIT/D (0 taxpayer, 1 spouse; other codes: nobody).
    ust_w_str(b, "QRL_d_p", mark(r.d_kto == 0));
    ust_w_str(b, "QRL_d_m", mark(r.d_kto == 1));

    // 3. Poz. 133 and 134 start empty.
    for (const char* n : {"QRL_d28", "QRL_d36", "QRL_d37", "QRL_d_us"}) ust_w_str(b, n, "");

    // 4. Poz. 133: the return the PIT/D went with, only when someone filed it.
    if (r.d_kto == 0 || r.d_kto == 1) {
        ust_w_str(b, "QRL_d28", mark(r.d_kod == 0));
        ust_w_str(b, "QRL_d36", mark(r.d_kod == 1));
        ust_w_str(b, "QRL_d37", mark(r.d_kod == 2));
    }

    // 5. Poz. 134: the spouse's identifier, name and tax office, when the
    // spouse filed it.
    ust_w_str(b, "QRL_d_us", r.d_kto == 1 ? joined_trimmed({r.d_us[1].str(), r.d_us[2].str(), r.d_us[3].str()}) : "");

    // 6. Poz. 139: the Large Family Card; the spouse's only under joint taxation.
    ust_w_str(b, "QRL_kdr_p", mark(r.kdr == 1));
    ust_w_str(b, "QRL_kdr_m", mark(sp_opod_wspolnie(data) && r.kdr_m == 1));

    // 7. Poz. 142: the attorney, when there is one.
    ust_w_str(b, "QRL_peln", r.jest_peln ? trim(r.peln.str()) : "");
}

}  // namespace dek::pages
