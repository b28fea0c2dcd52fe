#include "pages/attachments/Wo18_2.h"

#include <string>

#include "pages/page_classes.h"
#include "report/amount_pair.h"
#include "report/deduction_limit.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/joined.h"

namespace dek::pages {

using namespace report;

TF_wo18_2::TF_wo18_2(HostData& data) : PageReport(data, layout_of("Wo18_2")) {}

namespace {

// The labels of donee k (1 to 3): D.1 has no suffix, D.2 and D.3 the suffixes
// 1 and 2 on their texts; the amounts carry k and the column.
struct DoneeLabels {
    std::string name, country, taxpayer, spouse;
};

DoneeLabels donee_labels(int k) {
    const std::string suffix = k == 1 ? "" : std::to_string(k - 1);
    const std::string row = "QRL_dar" + std::to_string(k);
    return {"QRL_nazpel" + suffix, "QRL_kr" + suffix, row + "1", row + "2"};
}

}  // namespace

void TF_wo18_2::QR_o_2BeforePrint(bool& /*PrintReport*/) {
    Band& b = DB_dane;

    // 1. The deductions from tax brought within each person's tax; everything
    // below reads them afterwards.
    ogr_odl_pod_pito(data, 1);
    if (sp_opod_wspolnie(data)) ogr_odl_pod_pito(data, 2);
    const rekdek_t& r = data.rekdek;
    const dane_pito& p = r.pito;
    const dane_pito& m = r.pito_m;

    // 2.-3. Apprentices; home-help contributions.
    kwota_pair(b, {"QRL_odl11", "QRL_odl21"}, sp_opod_wspolnie(data), p.odl[11], m.odl[11]);
    kwota_pair(b, {"QRL_odl12", "QRL_odl22"}, sp_opod_wspolnie(data), p.odl[12], m.odl[12]);

    // 4. Child relief, governed by the taxpayer's number of children alone.
    if (p.ildz > 0) {
        ust_w_str(b, "QRL_ildz", std::to_string(p.ildz));
        kwota_pair(b, {"QRL_odl13", "QRL_odl23"}, sp_opod_wspolnie(data), p.ulg_dz, m.ulg_dz);
    } else {
        for (const char* n : {"QRL_ildz", "QRL_odl13", "QRL_odl23"}) ust_w_str(b, n, "");
    }

    // 5. Art. 27g.
    kwota_pair(b, {"QRL_odl14", "QRL_odl24"}, sp_opod_wspolnie(data), p.ulg_27g, m.ulg_27g);

    // 6. Kind of the other reliefs, three stored lines.
    ust_w_str(b, "QRL_in_odlp", joined_trimmed({r.in_odlp[1].str(), r.in_odlp[2].str(), r.in_odlp[3].str()}));

    // 7.-8. Other reliefs; the total.
    kwota_pair(b, {"QRL_odl15", "QRL_odl25"}, sp_opod_wspolnie(data), p.odl[13], m.odl[13]);
    kwota_pair(b, {"QRL_odl16", "QRL_odl26"}, sp_opod_wspolnie(data), p.odl_pod, m.odl_pod);

    // 9. Donees D.1 to D.3, texts as stored.
    for (int k = 1; k <= 3; ++k) {
        const dane_darow& d = r.darow[k];
        const DoneeLabels l = donee_labels(k);
        ust_w_str(b, l.name, d.nazpel.str());
        ust_w_str(b, l.country, d.kr.str());
        kwota_pair(b, {l.taxpayer, l.spouse}, sp_opod_wspolnie(data), d.dar, d.dar_m);
    }
}

}  // namespace dek::pages
