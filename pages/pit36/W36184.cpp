#include "pages/pit36/W36184.h"

#include "pages/page_classes.h"
#include "report/amount_pair.h"

namespace dek::pages {

using namespace report;

TF_w36184::TF_w36184(HostData& data) : PageReport(data, layout_of("W36184")) {}

void TF_w36184::QR_36_4BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    // Every box in the order of the form; a spouse's box right after its
    // taxpayer's twin, filled under joint taxation and cleared otherwise. Poz.
    // 201 and 215 are whole złoty, every other box złoty and grosze.
    kwota_rows(DB_dane, sp_opod_wspolnie(data),
               {
                   {{"QRL_obn", "QRL_obn1"}, r.dochody[1].obn, r.dochody[2].obn},
                   {{"QRL_pd"}, r.dpo},
                   {{"QRL_pdbiez"}, r.pdbiez},
                   {{"QRL_zw", "QRL_zw1"}, r.zw, r.zw_m},
                   {{"QRL_p11", "QRL_p12"}, r.utr, r.utr_m},
                   {{"QRL_p21", "QRL_p22"}, r.zwp, r.zwp_m},
                   {{"QRL_p31", "QRL_p32"}, r.zsg, r.zsg_m},
                   {{"QRL_p41", "QRL_p42"}, r.zss, r.zss_m},
                   {{"QRL_p51", "QRL_p52"}, r.sdg, r.sdg_m},
                   {{"QRL_p61", "QRL_p62"}, r.sds, r.sds_m},
                   {{"QRL_doch_opod"}, r.doch_opod},
                   {{"QRL_dz", "QRL_dz1"}, r.dzagr, r.dzagr_m},
                   {{"QRL_podst_opod"}, r.podst_opod, 0, 0},
                   {{"QRL_pod"}, r.pod},
                   {{"QRL_dolpod"}, r.dolpod},
                   {{"QRL_pod_zagr", "QRL_pod_zagr1"}, r.pod_zagr, r.pod_zagr_m},
                   {{"QRL_pod1"}, r.pod1},
                   {{"QRL_zdr", "QRL_zdr1"}, r.pito.odl[14], r.pito_m.odl[14]},
                   {{"QRL_zdr_zagr", "QRL_zdr_zagr1"}, r.zdr_zagr, r.zdr_zagr_m},
                   {{"QRL_pod_o", "QRL_pod_o1"}, r.pod_o, r.pod_o_m},
                   {{"QRL_pod_d"}, r.pod_po_odl},
                   {{"QRL_pod_d_b"}, r.pod_d_b},
                   {{"QRL_pod_zaokr"}, r.pod_zaokr, 0, 0},
                   {{"QRL_sum_zal"}, r.sum_zal},
               });
}

}  // namespace dek::pages
