#include "pages/pit36/W36186.h"

#include "pages/page_classes.h"
#include "report/amount_pair.h"
#include "report/fill.h"
#include "report/months.h"

namespace dek::pages {

using namespace report;

TF_w36186::TF_w36186(HostData& data) : PageReport(data, layout_of("W36186")) {}

void TF_w36186::QR_36_6BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    const dane_mies& p = r.mies[1];
    const dane_mies& m = r.mies[2];
    Band& b = DB_dane;
    const bool joint = sp_opod_wspolnie(data);

    // 1. Section M with grosze; the spouse's column only under joint taxation.
    kwota_rows(b, joint,
               {
                   {{"QRL_p21", "QRL_p22"}, r.ryc29, r.ryc29_m},
                   {{"QRL_p31", "QRL_p32"}, r.ryc_zagr, r.ryc_zagr_m},
                   {{"QRL_p41", "QRL_p42"}, r.pod_zap_zagr, r.pod_zap_zagr_m},
                   {{"QRL_p61", "QRL_p62"}, r.ryc_rozn, r.ryc_rozn_m},
                   {{"QRL_p8"}, r.do_zapl},
                   {{"QRL_p9"}, r.nadpl},
               });

    // 2.-4. Sections N, O and P month by month in whole złoty; the spouse's
    // rows only under joint taxation.
    ust_wart_months_pair(b, {"QRL_44p", "QRL_44m"}, joint, p.ryc44, m.ryc44);
    ust_wart_months_pair(b, {"QRL_odsp", "QRL_odsm"}, joint, p.ods, m.ods);
    ust_wart_months_pair(b, {"QRL_44_7p", "QRL_44_7m"}, joint, p.zal44_7, m.zal44_7);

    // 5. The amount to pay less the refund due, and the total refund, as the
    // return computed them, whatever the taxation method.
    ust_wart(b, "QRL_uz_doza1", data.rek_uz.doza, 2);
    ust_wart(b, "QRL_uz_zwrot", data.rek_uz.zwrot, 2);
}

}  // namespace dek::pages
