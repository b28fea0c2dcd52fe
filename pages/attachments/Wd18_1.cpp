#include "pages/attachments/Wd18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/attachment_heading.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/joined.h"
#include "report/spouse_request.h"

namespace dek::pages {

using namespace report;

TF_wd18_1::TF_wd18_1(HostData& data) : PageReport(data, layout_of("Wd18_1")) {}

void TF_wd18_1::QR_d_1BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1.-2. Identifiers of the taxpayer and, under joint taxation, the spouse.
    fill_identifiers(b, data);

    // 3. Year.
    ust_w_str(b, "QRL_rok", wydznaki(std::to_string(r.rok)));

    // 4.-5. A.1 taxpayer; A.2 spouse under joint taxation.
    fill_names(b, data);

    // 6. B.1 interest on the housing loan.
    ust_w_str(b, "QRL_ods", kwota(r.d_ods, 2));
    ust_w_str(b, "QRL_ods28", kwota(r.d_ods28, 2));
    ust_w_str(b, "QRL_ods36", kwota(r.d_ods36, 2));

    // 7. B.1.1 the spouses' request on the split of the interest relief.
    fill_request(b, r.d_wn_ods, {"QRL_ods28p", "QRL_ods28m", "QRL_ods36p", "QRL_ods36m"});

    // 8. B.2 kind of the expenses, three stored parts on one line.
    ust_w_str(b, "QRL_rodz_odl_doch", joined_trimmed({r.d_rodz[1].str(), r.d_rodz[2].str(), r.d_rodz[3].str()}));

    // 9. B.2 and B.3 amounts.
    ust_w_str(b, "QRL_odl_doch", kwota(r.d_odl_doch, 2));
    ust_w_str(b, "QRL_odl_bez_pokr", kwota(r.d_odl_bez_pokr, 2));
    ust_w_str(b, "QRL_odl_doch_og", kwota(r.d_odl_doch_og, 2));
    ust_w_str(b, "QRL_odl_doch28", kwota(r.d_odl_doch28, 2));
    ust_w_str(b, "QRL_odl_doch36", kwota(r.d_odl_doch36, 2));
}

}  // namespace dek::pages
