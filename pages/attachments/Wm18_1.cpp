#include "pages/attachments/Wm18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/grid.h"
#include "report/income_table.h"
#include "report/person_heading.h"

namespace dek::pages {

using namespace report;

TF_wm18_1::TF_wm18_1(HostData& data) : PageReport(data, layout_of("Wm18_1")) {}

void TF_wm18_1::QR_m_1BeforePrint(bool& /*PrintReport*/) {
    Band& b = DB_dane;
    const int k = person_index(nrp);
    const dane_doch& d = data.rekdek.dochody[k];

    // 1.-3. NIP or PESEL by the person's flag, year, section A.
    fill_person_heading(b, data, k, IdentifierBox::NipOrPesel);

    // 4.-5. The table of the usufruct: B.2 ("ob") when both parents have it,
    // else B.1 ("prz"). Rows 2 to 4 split the income into income and loss;
    // pensions (row 1) and the total (row 5) have no loss box and keep a
    // negative income in the income column. Row 1 has no costs box either:
    // its name is passed over.
    const bool both = d.pm_obu == 1;
    const std::string stem = both ? "QRL_ob" : "QRL_prz";
    for (int row = 1; row <= 5; ++row) {
        const std::string prefix = stem + std::to_string(row);
        if (row == 1 || row == 5)
            fill_totals_row(b, prefix, d.zr_dz[row]);
        else
            fill_split_row(b, prefix, d.zr_dz[row]);
    }

    // 6. B.3: the income and the advance carried over to the return.
    const std::string income = kwota(d.pm, 2);
    const std::string advance = kwota(d.zm, 2);
    ust_w_str(b, "QRL_ds1", income);
    ust_w_str(b, "QRL_ds2", advance);

    // 7. The other table stays empty; under B.2 the person's part (poz. 50,
    // 51) repeats B.3 as printed.
    if (both) {
        ust_w_str(b, "QRL_ob63", income);
        ust_w_str(b, "QRL_ob65", advance);
        clear_grid(b, "QRL_prz", 1, 5, 5);
    } else {
        clear_grid(b, "QRL_ob", 1, 5, 5);
        ust_w_str(b, "QRL_ob63", "");
        ust_w_str(b, "QRL_ob65", "");
    }
}

}  // namespace dek::pages
