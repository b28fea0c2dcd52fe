#include "pages/pit28/W28a18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/joined.h"
#include "report/pit28_heading.h"

namespace dek::pages {

using namespace report;

TF_w28a18_1::TF_w28a18_1(HostData& data) : PageReport(data, layout_of("W28a18_1")) {}

namespace {

// Amounts of section B.2 above this print in a smaller font.
constexpr double kTableLimit = 999999.99;

}  // namespace

void TF_w28a18_1::QR_28a_1BeforePrint(bool& /*PrintReport*/) {
    const rek28_t& r = data.rek28;
    Band& b = DB_dane;

    // 1. to 3. Identifier, year, the taxpayer.
    fill_pit28_identifier(b, r);
    fill_pit28_year(b, r);
    fill_pit28_names(b, r);

    // 4. and 5. Kind and place of the business: texts stored in parts print
    // as their parts joined by single blanks, trimmed, so that no part runs
    // into the next (a street in the first part, the town in the second).
    ust_w_str(b, "QRL_dzial", joined_trimmed({r.dzial[1].str(), r.dzial[2].str(), r.dzial[3].str(), r.dzial[4].str()}));
    ust_w_str(b, "QRL_mp", joined_trimmed({r.mp[1].str(), r.mp[2].str()}));

    // 6. to 8. Revenue by rate: row 1 under the own name, row 2 rent and lease
    // at 8.5 %, row 4 determined under art. 17.
    for (int k = 1; k <= 6; ++k) ust_wart(b, "QRL_prz_dg" + std::to_string(k), r.przdg[k], 2);
    ust_w_str(b, "QRL_prznaj3", kwota(r.prznaj[3], 2));
    for (int k = 1; k <= 6; ++k) ust_wart(b, "QRL_przosz" + std::to_string(k), r.osz[k], 2);

    // 9. The smaller font for amounts above the limit.
    for (int k = 1; k <= 6; ++k) {
        zmn_font(b, "QRL_przosz" + std::to_string(k), r.osz[k], kTableLimit, 1);
        zmn_font(b, "QRL_prz_dg" + std::to_string(k), r.przdg[k], kTableLimit, 1);
    }
}

}  // namespace dek::pages
