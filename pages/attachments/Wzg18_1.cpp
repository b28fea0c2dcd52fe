#include "pages/attachments/Wzg18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/person_heading.h"

namespace dek::pages {

using namespace report;

TF_wzg18_1::TF_wzg18_1(HostData& data) : PageReport(data, layout_of("Wzg18_1")) {}

void TF_wzg18_1::QR_zg_1BeforePrint(bool& /*PrintReport*/) {
    const int k = person_index(nrp);
    const dane_pitzg& zg = data.rekdek.pitzg[k];
    Band& b = DB_dane;

    // 1.-3. NIP or PESEL by the person's flag, the other word struck out;
    // year; surname, first name, date of birth.
    fill_person_heading(b, data, k, IdentifierBox::NipOrPesel);

    // 4. Country, as stored.
    ust_w_str(b, "QRL_kraj", zg.kraj.str());

    // 5. Table C.1, rows 1 to 7: the total row is the stored row 7, not a sum.
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 3; ++c) ust_wart(b, "QRL_prz" + std::to_string(r) + std::to_string(c), zg.zg[r][c], 2);

    // 6. C.2 to C.4: income and tax paid abroad, three pairs.
    for (int i = 1; i <= 6; ++i) ust_w_str(b, "QRL_w" + std::to_string(i), kwota(zg.doch_pod[i], 2));
}

}  // namespace dek::pages
