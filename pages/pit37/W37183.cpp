#include "pages/pit37/W37183.h"

#include <string>

#include "pages/page_classes.h"
#include "report/amount_pair.h"
#include "report/child_refund.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/opp_request.h"

namespace dek::pages {

using namespace report;

TF_w37183::TF_w37183(HostData& data) : PageReport(data, layout_of("W37183")) {}

namespace {

// Whole-złoty boxes (poz. 104, 113, 114, 115) take 0 decimals, the rest 2.
constexpr int kZl = 0;
constexpr int kZlGr = 2;

void amount(Band& b, std::string_view name, double value, int decimals) { ust_w_str(b, name, kwota(value, decimals)); }

}  // namespace

void TF_w37183::QR_37_3BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    const rek_uz_t& uz = data.rek_uz;
    Band& b = DB_dane;
    const bool joint = sp_opod_wspolnie(data);

    // 1.-4. Sections E, F and G; the spouse's column only under joint taxation.
    amount(b, "QRL_podst_opod", r.podst_opod, kZl);
    amount(b, "QRL_pod", r.pod, kZlGr);
    amount(b, "QRL_dolpod", r.dolpod, kZlGr);
    kwota_pair(b, {"QRL_zdr", "QRL_zdr1"}, joint, r.pito.odl[14], r.pito_m.odl[14]);
    kwota_pair(b, {"QRL_pod_o", "QRL_pod_o1"}, joint, r.pod_o, r.pod_o_m);
    amount(b, "QRL_pod_po_odl", r.pod_po_odl, kZlGr);
    amount(b, "QRL_pod_d_b", r.pod_d_b, kZlGr);
    amount(b, "QRL_pod_zaokr", r.pod_zaokr, kZl);
    amount(b, "QRL_rozn", r.rozn, kZl);
    amount(b, "QRL_rozn1", r.rozn1, kZl);
    amount(b, "QRLdoch_45", r.doch_45, kZlGr);

    // 5.-8. Sections J and K: the 1 % transfer, the purpose, the consent and
    // the contact line.
    fill_opp_request(b, r);

    // 9. Section H, when a child-relief difference is left.
    fill_child_refund(b, uz, joint);

    // 10. The total refund, whether section H applies or not.
    amount(b, "QRL_uz_zwrot", uz.zwrot, kZlGr);
}

}  // namespace dek::pages
