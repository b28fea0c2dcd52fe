#include "pages/pit36l/W36l18_4.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/opp_request.h"

namespace dek::pages {

using namespace report;

TF_w36l18_4::TF_w36l18_4(HostData& data) : PageReport(data, layout_of("W36l18_4")) {}

void TF_w36l18_4::QR_36l_4BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // Sections O and P: the 1 % transfer, its purpose, the consent and the
    // contact line.
    fill_opp_request(b, r);

    // Section Q: attachment counts, "0" too, in the form's order: PIT/B,
    // PIT/Z, PIT/ZG, PIT/BR, PIT/DS, transfer-pricing reports, PIT/MIT.
    const int counts[] = {r.ilzal[1], r.ilzal[9], r.ilzal[6], r.ilzal[7], r.ilzal[8], r.ilzal[11], r.ilzal_mit};
    for (int i = 0; i < 7; ++i) ust_w_str(b, "QRL_zal" + std::to_string(i + 1), std::to_string(counts[i]));

    // Section R: the Large Family Card, a capital X for the code 1 only.
    ust_w_str(b, "QRL_kdr", r.kdr == 1 ? "X" : "");

    // Section S: the attorney, when there is one.
    ust_w_str(b, "QRL_peln", r.jest_peln ? trim(r.peln.str()) : "");
}

}  // namespace dek::pages
