#include "pages/attachments/Wbr18_2.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/person_heading.h"

namespace dek::pages {

using namespace report;

TF_wbr18_2::TF_wbr18_2(HostData& data) : PageReport(data, layout_of("Wbr18_2")) {}

void TF_wbr18_2::QR_br_2BeforePrint(bool& /*PrintReport*/) {
    const int k = person_index(nrp);
    Band& b = DB_dane;

    // 1. Every box starts blank.
    clear_labels(b);

    // 2. Units D.1 to D.3: a unit without a name is absent, whatever its
    // address holds; a named one prints its eleven fields as stored, blanks
    // kept. Names are built as "Qrl_nazpel" + unit and found whatever their
    // letter case.
    for (int j = 1; j <= 3; ++j) {
        const dane_jn& u = data.rek01.pitbr[k].jedn[j];
        if (trim(u.nazpel.str()).empty()) continue;
        const std::string n = std::to_string(j);
        ust_w_str(b, "Qrl_nazpel" + n, u.nazpel.str());
        ust_w_str(b, "Qrl_kr" + n, u.kr.str());
        ust_w_str(b, "Qrl_woj" + n, u.woj.str());
        ust_w_str(b, "Qrl_pow" + n, u.pow.str());
        ust_w_str(b, "Qrl_gm" + n, u.gm.str());
        ust_w_str(b, "Qrl_ul" + n, u.ul.str());
        ust_w_str(b, "Qrl_nrd" + n, u.nrd.str());
        ust_w_str(b, "Qrl_nrlok" + n, u.nrlok.str());
        ust_w_str(b, "Qrl_miejsc" + n, u.miejsc.str());
        ust_w_str(b, "Qrl_kodp" + n, u.kodp.str());
        ust_w_str(b, "Qrl_poczta" + n, u.poczta.str());
    }
}

}  // namespace dek::pages
