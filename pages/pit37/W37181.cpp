#include "pages/pit37/W37181.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/identity.h"

namespace dek::pages {

using namespace report;

TF_w37181::TF_w37181(HostData& data) : PageReport(data, layout_of("W37181")) {}

namespace {

// Person block B.1 (suffix "") or B.2 (suffix "1"), in the form's order.
void fill_person(Band& band, const dane_os& os, const std::string& suffix) {
    ust_w_str(band, "QRL_nazw" + suffix, os.nazw.str());
    ust_w_str(band, "QRL_im" + suffix, os.im.str());
    ust_w_str(band, "QRL_dur" + suffix, DataToStr(os.dur, 0));
    ust_w_str(band, "QRL_kr" + suffix, os.kr.str());
    ust_w_str(band, "QRL_woj" + suffix, os.woj.str());
    ust_w_str(band, "QRL_pow" + suffix, os.pow.str());
    ust_w_str(band, "QRL_gmina" + suffix, os.gmina.str());
    ust_w_str(band, "QRL_ul" + suffix, os.ul.str());
    ust_w_str(band, "QRL_nrd" + suffix, os.nrd.str());
    ust_w_str(band, "QRL_nrlok" + suffix, os.nrlok.str());
    ust_w_str(band, "QRL_miejsc" + suffix, os.miejsc.str());
    ust_w_str(band, "QRL_kodp" + suffix, os.kodp.str());
    // The 2018 form has no post-office box.
    ust_w_str(band, "QRL_poczta" + suffix, "");
}

const char* const kPersonLabels[] = {"QRL_nazw",   "QRL_im",    "QRL_dur",   "QRL_kr",  "QRL_woj",
                                     "QRL_pow",    "QRL_gmina", "QRL_ul",    "QRL_nrd", "QRL_nrlok",
                                     "QRL_miejsc", "QRL_kodp",  "QRL_poczta"};

}  // namespace

void TF_w37181::QR_37_1BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1. Reference number of the electronic filing.
    fill_nrref(b, data);

    // 2, 3. Taxpayer identifier; the spouse's only under joint taxation.
    fill_identifiers(b, data);

    // 4. Year.
    ust_w_str(b, "QRL_rok", wydznaki(std::to_string(r.rok)));

    // 5. Taxation method: one square of poz. 6, none for other codes.
    for (int i = 1; i <= 4; ++i) ust_w_str(b, "QRL_sp_op" + std::to_string(i), "");
    if (r.sp_opod <= 3) ust_w_str(b, "QRL_sp_op" + std::to_string(r.sp_opod + 1), "x");

    // 6. Art. 29 ust. 4 boxes, each on its own.
    ust_w_str(b, "QRL_nier", mark(r.nier));
    ust_w_str(b, "QRL_nier1", mark(r.nier_m));

    // 7. Tax office.
    ust_w_str(b, "QRL_urz", r.urz.str());

    // 8. Purpose of filing: exactly one square.
    ust_w_str(b, "QRL_zl_dek", mark(!r.korekta));
    ust_w_str(b, "QRL_kor_dek", mark(r.korekta));

    // 9. Taxpayer block B.1.
    fill_person(b, r.podatnik, "");

    // 10. Spouse block B.2, only under joint taxation.
    if (sp_opod_wspolnie(data)) {
        fill_person(b, r.malzonek, "1");
    } else {
        for (const char* stem : kPersonLabels) ust_w_str(b, std::string(stem) + "1", "");
    }
}

}  // namespace dek::pages
