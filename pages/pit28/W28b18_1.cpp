#include "pages/pit28/W28b18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/identity.h"
#include "report/partnership28.h"
#include "report/pit28_heading.h"

namespace dek::pages {

using namespace report;

TF_w28b18_1::TF_w28b18_1(HostData& data) : PageReport(data, layout_of("W28b18_1")) {}

void TF_w28b18_1::QR_28b_1BeforePrint(bool& /*PrintReport*/) {
    const rek28_t& r = data.rek28;
    Band& b = DB_dane;

    // 1. The taxpayer's NIP, also for a taxpayer known by PESEL: the box has
    // room for a NIP only.
    ust_w_str(b, "QRL_nip", nip_caption(r.nip.str()));

    // 2. and 3. Year and the taxpayer.
    fill_pit28_year(b, r);
    fill_pit28_names(b, r);

    // 4. Number of PIT-28/B attachments, as stored.
    ust_w_str(b, "QRL_ilzalb", std::to_string(r.ilzal[7]));

    // 5. The partnership of this sheet.
    fill_partnership(b, r, nrsp);
}

}  // namespace dek::pages
