#include "pages/pit36l/W36l18_2.h"

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"

namespace dek::pages {

using namespace report;

TF_w36l18_2::TF_w36l18_2(HostData& data) : PageReport(data, layout_of("W36l18_2")) {}

void TF_w36l18_2::QR_36l_2BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;

    // Every box one amount as it stands in the return, in the form's order;
    // the tax base (poz. 42) and the tax liability (poz. 52 to 55) in whole
    // złoty, everything else with grosze.
    struct Box {
        const char* name;
        double value;
        int decimals;
    };
    // Poz. 31 to 55 in this order.
    const Box boxes[] = {{"QRL_dpo", r.dochody[1].dpo_zs, 2},
                         {"QRL_br", r.br, 2},
                         {"QRL_br1", r.br1, 2},
                         {"QRL_brn", r.brn, 2},
                         {"QRL_w1", r.utr, 2},
                         {"QRL_w02", r.zwp, 2},
                         {"QRL_w03", r.zsg, 2},
                         {"QRL_w41", r.zss, 2},
                         {"QRL_w5", r.sdg, 2},
                         {"QRL_w6", r.sds, 2},
                         {"QRL_w7", r.doch_opod, 2},
                         {"QRL_w8", r.podst_opod, 0},
                         {"QRL_w9", r.pod, 2},
                         {"QRL_w10", r.dolpod, 2},
                         {"QRL_w11", r.pod_zagr, 2},
                         {"QRL_w12", r.pod1, 2},
                         {"QRL_w13", r.pito.odl[14], 2},
                         {"QRL_w14", r.zdr_zagr, 2},
                         {"QRL_w15", r.pito.odl_pod, 2},
                         {"QRL_inp", r.inp, 2},
                         {"QRL_w16", r.pod_po_odl_l, 2},
                         {"QRL_w18", r.pod_zaokr, 0},
                         {"QRL_w19", r.sum_zal, 0},
                         {"QRL_w20", r.rozn, 0},
                         {"QRL_w21", r.rozn1, 0}};
    for (const Box& box : boxes) ust_w_str(DB_dane, box.name, kwota(box.value, box.decimals));
}

}  // namespace dek::pages
