#include "pages/pit28/W2818_3.h"

#include <string>
#include <utility>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"

namespace dek::pages {

using namespace report;

TF_w2818_3::TF_w2818_3(HostData& data) : PageReport(data, layout_of("W2818_3")) {}

namespace {

// Years up to this one mark no exempt year in poz. 120.
constexpr int kNoExemptYear = 2000;

}  // namespace

void TF_w2818_3::QR_28_3BeforePrint(bool& /*PrintReport*/) {
    const rek28_t& r = data.rek28;
    Band& b = DB_dane;

    // 1. Total revenue after deductions, whole złoty.
    ust_w_str(b, "QRL_prz_po_odl1", kwota(r.prz_po_odl1, 0));

    // 2. Lump-sum tax by rate; index 7 is the tax on the revenue determined
    // under art. 17.
    for (int k = 1; k <= 7; ++k) ust_wart(b, "QRL_pod" + std::to_string(k), r.pod[k], 2);

    // 3. The tax, its additions and its deductions (poz. 110 to 118).
    const std::pair<const char*, double> tax[] = {
        {"QRL_pod_gbl", r.pod_gbl},   {"QRL_dol_rycz", r.dol_rycz},
        {"QRL_pod_zagr", r.pod_zagr}, {"QRL_rycz_po_dol", r.rycz_po_dol},
        {"QRL_zdr", r.zdr},           {"QRL_zdr_zagr", r.zdr_zagr},
        {"QRL_odl_o", r.odl_o},       {"QRL_r_po_odl", r.r_po_odl},
        {"QRL_odl_pm", r.odl_pm},
    };
    for (const auto& [name, value] : tax) ust_w_str(b, name, kwota(value, 2));

    // 4. Tax due, whole złoty.
    ust_w_str(b, "QRL_pod_zrycz", kwota(r.pod_zrycz, 0));

    // 5. The exempt year and its 20 % only for a real year.
    ust_w_str(b, "QRL_rok_zw", "");
    ust_w_str(b, "QRL_pod_zwol", "");
    if (r.rok_zw > kNoExemptYear) {
        ust_w_str(b, "QRL_rok_zw", std::to_string(r.rok_zw));
        ust_w_str(b, "QRL_pod_zwol", kwota(r.pod_zwol, 0));
    }

    // 6. Exemption in the tax year: one square always marked, "nie" for any
    // code but 0 and 1.
    ust_w_str(b, "QRL_zw_ca", mark(r.zw == 0));
    ust_w_str(b, "QRL_zw_cz", mark(r.zw == 1));
    ust_w_str(b, "QRL_zw_nie", mark(r.zw > 1));

    // 7. Paid, to pay, overpaid, whole złoty.
    ust_w_str(b, "QRL_wpl_rycz", kwota(r.wpl_rycz, 0));
    ust_w_str(b, "QRL_do_zapl", kwota(r.do_zapl, 0));
    ust_w_str(b, "QRL_nadpl", kwota(r.nadpl, 0));
}

}  // namespace dek::pages
