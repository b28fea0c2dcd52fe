#include "pages/attachments/W2k18_1.h"

#include <iterator>
#include <string>

#include "pages/page_classes.h"
#include "report/attachment_heading.h"
#include "report/fill.h"
#include "report/format.h"

namespace dek::pages {

using namespace report;

TF_w2k18_1::TF_w2k18_1(HostData& data) : PageReport(data, layout_of("W2k18_1")) {}

namespace {

// The squares of poz. 9 by the code of the kind of investment.
const char* const kInvestmentSquares[] = {"QRL_bud", "QRL_wkl", "QRL_zak", "QRL_nadb"};

}  // namespace

void TF_w2k18_1::QR_2k_1BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;

    // 1.-2. Identifiers of the taxpayer and, under joint taxation, the spouse.
    fill_identifiers(b, data);

    // 3.-4. A.1 taxpayer; A.2 spouse under joint taxation.
    fill_names(b, data);

    // 5. Kind of investment: one square of poz. 9, none for other codes.
    for (const char* name : kInvestmentSquares) ust_w_str(b, name, "");
    if (r.inw_2k < std::size(kInvestmentSquares)) ust_w_str(b, kInvestmentSquares[r.inw_2k], "x");

    // 6. Expenses, and the part of them documented by VAT invoices.
    ust_w_str(b, "QRL_kw1", kwota(r.kw1_2k, 2));
    ust_w_str(b, "QRL_kw2", kwota(r.kw2_2k, 2));

    // 7. Years in plain digits: the boxes hold a whole year, not one digit per
    // cell; a year of 0 (none given) leaves its box empty.
    ust_w_str(b, "QRL_rok1", year_digits(r.rok1_2k));
    ust_w_str(b, "QRL_rok2", year_digits(r.rok2_2k));
    ust_w_str(b, "QRL_rok3", year_digits(r.rok3_2k));

    // 8. Amount of the housing loan.
    ust_w_str(b, "QRL_kw3", kwota(r.kw3_2k, 2));
}

}  // namespace dek::pages
