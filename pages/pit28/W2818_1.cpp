#include "pages/pit28/W2818_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/identity.h"
#include "report/pit28_heading.h"

namespace dek::pages {

using namespace report;

TF_w2818_1::TF_w2818_1(HostData& data) : PageReport(data, layout_of("W2818_1")) {}

namespace {

// Amounts of section C rows 1, 2, 5 and 6 above this print in a smaller font.
constexpr double kTableLimit = 99999.99;

}  // namespace

void TF_w2818_1::QR_28_1BeforePrint(bool& /*PrintReport*/) {
    const rek28_t& r = data.rek28;
    Band& b = DB_dane;

    // 1. Reference number of the electronic filing, whole on one line.
    fill_nrref_one_line(b, data);

    // 2. Identifier: the PESEL or the NIP, the other word struck out.
    fill_pit28_identifier(b, r);

    // 3. Form variant: the name that does not apply struck out (PIT-28S for a
    // natural person, PIT-28 for an enterprise in inheritance).
    set_enabled(b, r.spadek ? "QRL_28" : "QRL_28s", true);

    // 4. Year and tax office.
    fill_pit28_year(b, r);
    ust_w_str(b, "QRL_urz", r.urz.str());

    // 5. Purpose: exactly one square.
    ust_w_str(b, "QRL_zl_dek", mark(!r.korekta));
    ust_w_str(b, "QRL_kor_dek", mark(r.korekta));

    // 6. Section B as stored.
    fill_pit28_names(b, r);
    ust_w_str(b, "QRL_kr", r.kr.str());
    ust_w_str(b, "QRL_woj", r.woj.str());
    ust_w_str(b, "QRL_pow", r.pow.str());
    ust_w_str(b, "QRL_gmina", r.gmina.str());
    ust_w_str(b, "QRL_ul", r.ul.str());
    ust_w_str(b, "QRL_nrd", r.nrd.str());
    ust_w_str(b, "QRL_nrlok", r.nrlok.str());
    ust_w_str(b, "QRL_miejsc", r.miejsc.str());
    ust_w_str(b, "QRL_kodp", r.kodp.str());
    ust_w_str(b, "QRL_poczta", r.poczta.str());

    // 7. Section C rows 1 (own name), 2 (partnership), 5 (total) and 6
    // (determined under art. 17), rate by rate, the total in column 7.
    struct Row {
        const char* stem;
        const Arr<real, 1, 7>& values;
    };
    const Row rows[] = {{"QRL_przdg", r.przdg}, {"QRL_przsp", r.przsp}, {"QRL_gbl", r.gbl}, {"QRL_osz", r.osz}};
    for (int k = 1; k <= 7; ++k) {
        for (const Row& row : rows) {
            const std::string name = row.stem + std::to_string(k);
            zmn_font(b, name, row.values[k], kTableLimit, 1);
            ust_wart(b, name, row.values[k], 2);
        }
    }

    // 8. Row 3 (rent and lease): the 8.5 % rate and the total.
    ust_w_str(b, "QRL_prznaj3", kwota(r.prznaj[3], 2));
    ust_w_str(b, "QRL_prznaj7", kwota(r.prznaj[7], 2));

    // 9. Rows 7 and 8: the shares, stored as fractions, in percent.
    for (int k = 1; k <= 6; ++k) {
        ust_wart(b, "QRL_pr" + std::to_string(k), r.pr[k] * 100, 2);
        ust_wart(b, "QRL_prosz" + std::to_string(k), r.prosz[k] * 100, 2);
    }
}

}  // namespace dek::pages
