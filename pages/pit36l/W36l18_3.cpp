#include "pages/pit36l/W36l18_3.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/months.h"
#include "report/zal44.h"

namespace dek::pages {

using namespace report;

TF_w36l18_3::TF_w36l18_3(HostData& data) : PageReport(data, layout_of("W36l18_3")) {}

namespace {

// The art. 30g boxes "QRL1" to "QRL26" (due and paid, months and totals).
constexpr int kArt30gBoxes = 26;

}  // namespace

void TF_w36l18_3::QR_36l_3BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    const dane_mies& m = r.mies[1];
    Band& b = DB_dane;

    // 1. The art. 30g tax: the return keeps none, every box shows zero.
    for (int i = 1; i <= kArt30gBoxes; ++i) ust_wart(b, "QRL" + std::to_string(i), 0, 0);

    // 2, 3. Monthly advances: each month packs the due and the paid advance;
    // both print by month and as totals.
    fill_zal44(b, m.zal44, {"QRL_44_1m", "QRL_44_1mz", "QRLsp", "QRLspz"});

    // 4. Interest under art. 22e by month.
    ust_wart_months(b, "QRL_44_7m", m.ods);

    // 5, 6. Section K. Poz. 108 and 109 are whole złoty. Poz. 113 is asked in
    // whole złoty too, so it prints rounded like them; poz. 110 to 112 and the
    // amount to pay or the overpayment (114, 115) keep their grosze.
    ust_w_str(b, "QRL_w22", kwota(r.zal_wpl, 0));
    ust_w_str(b, "QRL_w109", kwota(r.rozn30g, 0));
    ust_w_str(b, "QRL_w24", kwota(r.ryc29, 2));
    ust_w_str(b, "QRL_w25", kwota(r.ryc_zagr, 2));
    ust_w_str(b, "QRL_w26", kwota(r.pod_zap_zagr, 2));
    ust_w_str(b, "QRL_w1", kwota(r.ryc_rozn, 0));
    ust_w_str(b, "QRL_w3", kwota(r.do_zapl, 2));
    ust_w_str(b, "QRL_w4", kwota(r.nadpl, 2));

    // 7. Lump-sum tax under art. 44 ust. 1b by month.
    ust_wart_months(b, "QRL_44_7p", m.ryc44);

    // 8. Section N.
    ust_w_str(b, "QRL_doch45", kwota(r.doch_45, 2));
}

}  // namespace dek::pages
