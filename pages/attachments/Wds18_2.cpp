#include "pages/attachments/Wds18_2.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/person_heading.h"
#include "report/pitds.h"

namespace dek::pages {

using namespace report;

TF_wds18_2::TF_wds18_2(HostData& data) : PageReport(data, layout_of("Wds18_2")) {}

void TF_wds18_2::QR_ds_2BeforePrint(bool& /*PrintReport*/) {
    const dane_pitds& ds = data.rek01.pitds[person_index(nrp)];
    Band& b = DB_dane;

    // 1. Every box starts blank.
    clear_labels(b);

    // 2.-4. Section D, on every sheet: zeros when no department is present.
    const PitdsTotals t = pitds_totals(ds);
    ust_w_str(b, "QRL_prz_sum", kwota(t.revenue, 2));
    ust_w_str(b, "QRL_ko_sum", kwota(t.costs, 2));
    ust_w_str(b, "QRL_d_sum", kwota(t.income, 2));
    ust_w_str(b, "QRL_st_sum", kwota(t.loss, 2));

    // 5. Departments C.1 to C.3 run jointly; an absent one stays blank. The
    // amount names are stem + column + department: "QRL_przs1" + j the joint
    // revenue, "QRL_przs2" + j the person's part.
    for (int j = 1; j <= 3; ++j) {
        const dane_dss& d = ds.dss[j];
        if (!dss_present(d)) continue;
        const std::string n = std::to_string(j);
        ust_w_str(b, "QRL_mps" + n, d.mps.str());
        ust_w_str(b, "QRL_rps" + n, d.rps.str());
        ust_w_str(b, "QRL_nrs" + n, d.nrs.str());
        ust_w_str(b, "QRL_ros" + n, kwota(d.ros, 1));
        ust_w_str(b, "QRL_uds" + n, kwota(d.uds, 1));
        ust_w_str(b, "QRL_przs1" + n, kwota(d.przs1, 2));
        ust_w_str(b, "QRL_przs2" + n, kwota(d.przs2, 2));
        ust_w_str(b, "QRL_kos1" + n, kwota(d.kos1, 2));
        ust_w_str(b, "QRL_kos2" + n, kwota(d.kos2, 2));
        ust_w_str(b, "QRL_dochs1" + n, kwota(d.dochs1, 2));
        ust_w_str(b, "QRL_dochs2" + n, kwota(d.dochs2, 2));
    }
}

}  // namespace dek::pages
