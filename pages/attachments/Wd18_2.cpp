#include "pages/attachments/Wd18_2.h"

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/spouse_request.h"

namespace dek::pages {

using namespace report;

TF_wd18_2::TF_wd18_2(HostData& data) : PageReport(data, layout_of("Wd18_2")) {}

void TF_wd18_2::QR_d_2BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1. B.3.1 the spouses' request on the deduction from income.
    fill_request(b, r.d_wn_odl, {"QRL_ods28p1", "QRL_ods28m1", "QRL_ods36p1", "QRL_ods36m1"});

    // 2. C, C.1 and C.2 deductions from tax.
    ust_w_str(b, "QRL_kas", kwota(r.d_kas, 2));
    ust_w_str(b, "QRL_bez_pokr", kwota(r.d_bez_pokr, 2));
    ust_w_str(b, "QRL_odl_pod_og", kwota(r.d_odl_pod_og, 2));
    ust_w_str(b, "QRL_odl_pod28", kwota(r.d_odl_pod28, 2));
    ust_w_str(b, "QRL_odl_pod36", kwota(r.d_odl_pod36, 2));

    // 3. C.2.1 the spouses' request on the deduction from tax, in the labels
    // that bear the names of page 1's B.1.1.
    fill_request(b, r.d_wn_pod, {"QRL_ods28p", "QRL_ods28m", "QRL_ods36p", "QRL_ods36m"});
}

}  // namespace dek::pages
