#include "pages/pit36/W36181.h"

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/first_page.h"
#include "report/identity.h"

namespace dek::pages {

using namespace report;

TF_w36181::TF_w36181(HostData& data) : PageReport(data, layout_of("W36181")) {}

void TF_w36181::QR_36_1BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1. Reference number of the electronic filing.
    fill_nrref(b, data);

    // 2. Form title: the variant that does not apply is struck out, PIT-36
    // for an enterprise in inheritance, PIT-36S otherwise.
    set_enabled(b, r.spadek ? "QRL_36" : "QRL_36s", true);

    // 3, 4. Taxpayer identifier; the spouse's only under joint taxation.
    fill_identifiers(b, data);

    // 5 to 9. Year, taxation method, art. 29 ust. 4 boxes, tax office and
    // purpose of filing.
    fill_return_heading(b, r);

    // 10. Taxpayer block B.1.
    fill_person_block(b, r.podatnik, "");

    // 11. Spouse block B.2, only under joint taxation.
    if (sp_opod_wspolnie(data))
        fill_person_block(b, r.malzonek, "1");
    else
        clear_person_block(b, "1");
}

}  // namespace dek::pages
