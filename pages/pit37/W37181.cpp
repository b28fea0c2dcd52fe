#include "pages/pit37/W37181.h"

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/first_page.h"
#include "report/identity.h"

namespace dek::pages {

using namespace report;

TF_w37181::TF_w37181(HostData& data) : PageReport(data, layout_of("W37181")) {}

void TF_w37181::QR_37_1BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1. Reference number of the electronic filing.
    fill_nrref(b, data);

    // 2, 3. Taxpayer identifier; the spouse's only under joint taxation.
    fill_identifiers(b, data);

    // 4 to 8. Year, taxation method, art. 29 ust. 4 boxes, tax office and
    // purpose of filing.
    fill_return_heading(b, r);

    // 9. Taxpayer block B.1; the 2018 form has no post-office box.
    fill_person_block(b, r.podatnik, "");
    ust_w_str(b, "QRL_poczta", "");

    // 10. Spouse block B.2, only under joint taxation.
    if (sp_opod_wspolnie(data)) {
        fill_person_block(b, r.malzonek, "1");
        ust_w_str(b, "QRL_poczta1", "");
    } else {
        clear_person_block(b, "1");
    }
}

}  // namespace dek::pages
