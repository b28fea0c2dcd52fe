#include "pages/attachments/Wds18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/person_heading.h"
#include "report/pitds.h"

namespace dek::pages {

using namespace report;

TF_wds18_1::TF_wds18_1(HostData& data) : PageReport(data, layout_of("Wds18_1")) {}

void TF_wds18_1::QR_ds_1BeforePrint(bool& /*PrintReport*/) {
    const int k = person_index(nrp);
    Band& b = DB_dane;

    // 1.-2. Every box starts blank; poz. 3 counts this one attachment.
    clear_labels(b);
    ust_w_str(b, "QRL_ilzalb", "1");

    // 3.-5. NIP (the form has no PESEL box), year, section A.
    fill_person_heading(b, data, k, IdentifierBox::NipOnly);

    // 6. Departments B.1 to B.3 run alone; an absent one stays blank.
    for (int j = 1; j <= 3; ++j) {
        const dane_dsw& d = data.rek01.pitds[k].dsw[j];
        if (!dsw_present(d)) continue;
        const std::string n = std::to_string(j);
        ust_w_str(b, "QRL_mp" + n, d.mp.str());
        ust_w_str(b, "QRL_rp" + n, d.rp.str());
        ust_w_str(b, "QRL_nrdz" + n, d.nrdz.str());
        ust_w_str(b, "QRL_rozm" + n, kwota(d.rozm, 1));
        ust_w_str(b, "QRL_prz" + n, kwota(d.prz, 2));
        ust_w_str(b, "QRL_ko" + n, kwota(d.ko, 2));
        ust_w_str(b, "QRL_doch" + n, kwota(d.doch, 2));
    }
}

}  // namespace dek::pages
