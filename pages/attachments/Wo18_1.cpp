#include "pages/attachments/Wo18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/amount_pair.h"
#include "report/attachment_heading.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/joined.h"

namespace dek::pages {

using namespace report;

TF_wo18_1::TF_wo18_1(HostData& data) : PageReport(data, layout_of("Wo18_1")) {}

void TF_wo18_1::QR_o_1BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1.-2. Identifiers of the taxpayer and, under joint taxation, the spouse.
    fill_identifiers(b, data);

    // 3. Year. Poz. 4 keeps its "1": PIT/O is one attachment for both persons.
    ust_w_str(b, "QRL_rok", wydznaki(std::to_string(r.rok)));

    // 4.-5. A.1 taxpayer; A.2 spouse under joint taxation.
    fill_names(b, data);

    // 6. Donations to public benefit and religious purposes, and the IKZE.
    for (int i = 1; i <= 3; ++i) {
        const std::string n = std::to_string(i);
        ust_wart_pair(b, {"QRL_odl2013_1" + n, "QRL_odl2013_2" + n}, sp_opod_wspolnie(data), r.odl2013[i],
                      r.odl2013_m[i]);
    }

    // 7. Blood donation.
    kwota_pair(b, {"QRL_odl11", "QRL_odl21"}, sp_opod_wspolnie(data), r.pito.odl[0], r.pito_m.odl[0]);

    // 8. Rows 2 to 6 and the amounts of row 8.
    for (int i = 2; i <= 7; ++i) {
        const std::string n = std::to_string(i);
        ust_wart_pair(b, {"QRL_odl1" + n, "QRL_odl2" + n}, sp_opod_wspolnie(data), r.pito.odl[i], r.pito_m.odl[i]);
    }

    // 9. Kind of the other deductions from income, three stored lines.
    ust_w_str(b, "QRL_in_odlp", joined_trimmed({r.in_odld[1].str(), r.in_odld[2].str(), r.in_odld[3].str()}));

    // 10. Totals.
    kwota_pair(b, {"QRL_odl18", "QRL_odl28"}, sp_opod_wspolnie(data), r.pito.odl[10], r.pito_m.odl[10]);
}

}  // namespace dek::pages
