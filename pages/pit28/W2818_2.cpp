#include "pages/pit28/W2818_2.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"

namespace dek::pages {

using namespace report;

TF_w2818_2::TF_w2818_2(HostData& data) : PageReport(data, layout_of("W2818_2")) {}

void TF_w2818_2::QR_28_2BeforePrint(bool& /*PrintReport*/) {
    const rek28_t& r = data.rek28;
    Band& b = DB_dane;

    // 1. Losses of past years: both loss fields together.
    ust_w_str(b, "QRL_str", kwota(r.str + r.str_dod, 2));

    // 2. The other deductions of section D.
    ust_w_str(b, "QRL_zus", kwota(r.zus, 2));
    ust_w_str(b, "QRL_zus_zagr", kwota(r.zus_zagr, 2));
    ust_w_str(b, "QRL_o_prz", kwota(r.o_prz, 2));
    ust_w_str(b, "QRL_prz_po_odl", kwota(r.prz_po_odl, 2));
    ust_w_str(b, "QRL_odl_ods", kwota(r.odl_ods, 2));
    ust_w_str(b, "QRL_prz_po_ods", kwota(r.prz_po_ods, 2));
    ust_w_str(b, "QRL_odl_prz_d", kwota(r.odl_prz_d, 2));
    ust_w_str(b, "QRL_odl_og", kwota(r.odl_og, 2));

    // 3. Sections E (deducted amounts) and F (revenue after deductions, whole
    // złoty) by rate; index 7 is the revenue determined under art. 17.
    for (int k = 1; k <= 7; ++k) {
        ust_wart(b, "QRL_prz" + std::to_string(k), r.prz[k], 2);
        ust_wart(b, "QRL_podst_op" + std::to_string(k), r.podst_op[k], 0);
    }
}

}  // namespace dek::pages
