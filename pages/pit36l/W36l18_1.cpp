#include "pages/pit36l/W36l18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/identity.h"
#include "report/income_table.h"

namespace dek::pages {

using namespace report;

TF_w36l18_1::TF_w36l18_1(HostData& data) : PageReport(data, layout_of("W36l18_1")) {}

namespace {

// Section C answer codes (`inf_dod`) that this page marks.
constexpr int kDocumentationDuty = 2;   // poz. 10
constexpr int kExemptionAdditions = 4;  // poz. 11: art. 44 ust. 7a exemption used earlier, 7f additions
constexpr int kRefund26ea = 5;          // poz. 11a

// Left edge of the year of poz. 12 at its second place (zmarły przedsiębiorca).
constexpr int kDeceasedYearLeft = 430;

}  // namespace

void TF_w36l18_1::QR_36l_1BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1. Reference number of the electronic filing, whole on one line.
    fill_nrref_one_line(b, data);

    // 2. Form variant: the title that does not apply is struck out.
    set_enabled(b, "QRL_36", r.spadek);
    set_enabled(b, "QRL_36s", !r.spadek);

    // 3. NIP; this form knows no PESEL alternative.
    ust_w_str(b, "QRL_nip", nip_caption(r.nip.str()));

    // 4, 5. Year and tax office.
    ust_w_str(b, "QRL_rok", wydznaki(std::to_string(r.rok)));
    ust_w_str(b, "QRL_urz", r.urz.str());

    // 6. Purpose of filing: exactly one square.
    ust_w_str(b, "QRL_zl_dek", mark(!r.korekta));
    ust_w_str(b, "QRL_kor_dek", mark(r.korekta));

    // 7. Section B.
    ust_w_str(b, "QRL_nazw", r.podatnik.nazw.str());
    ust_w_str(b, "QRL_im", r.podatnik.im.str());
    ust_w_str(b, "QRL_dur", DataToStr(r.podatnik.dur, 0));

    // 8. Section C: each square on its own; poz. 11b takes a capital X.
    const bool additions = r.inf_dod[2] == kExemptionAdditions;
    const bool by_estate = r.dol_spadek == 1;
    ust_w_str(b, "QRL_dok", mark(r.inf_dod[1] == kDocumentationDuty));
    ust_w_str(b, "QRL_zw1", mark(r.inf_dod[2] == kRefund26ea));
    ust_w_str(b, "QRL_zw2", by_estate ? "X" : "");
    ust_w_str(b, "QRL_zw", mark(additions));

    // 9. Poz. 12: the year of the exemption, at the taxpayer's place, or at
    // the deceased entrepreneur's when the estate makes the additions.
    ust_w_str(b, "QRL_rokzw", additions || by_estate ? wydznaki(year_digits(r.pitz[1].rokzw)) : "");
    if (by_estate) {
        if (Element* e = b.find("QRL_rokzw")) e->rect.left = kDeceasedYearLeft;
    }

    // 10. Section D: row 1 business, row 2 special agricultural production.
    // With the 7f additions the business loss is the one after the addition,
    // whatever the computed income.
    const dane_doch& d = r.dochody[1];
    fill_split_row(b, "QRL_p1", d.zr[3]);
    fill_split_row(b, "QRL_p2", d.zr[4]);
    if (additions) ust_wart(b, "QRL_p14", r.pitz[1].st_7f, 2);

    // 11. Section E.
    ust_wart(b, "QRL_63b", r.dzw63b, 2);
    ust_w_str(b, "QRL_zrst", trim(d.zr_str.str()));
    ust_wart(b, "QRL_str", d.str, 2);
    ust_wart(b, "QRL_zm", r.zmar, 2);
    ust_wart(b, "QRL_zus", r.pito.odl[1], 2);
    ust_wart(b, "QRL_zus_zagr", d.zus_zagr, 2);
    ust_wart(b, "QRL_ikze", r.ikze, 2);
    ust_wart(b, "QRL_din", r.din, 2);
}

}  // namespace dek::pages
