#include "pages/attachments/Wz18_2.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/grid.h"
#include "report/person_heading.h"

namespace dek::pages {

using namespace report;

TF_wz18_2::TF_wz18_2(HostData& data) : PageReport(data, layout_of("Wz18_2")) {}

void TF_wz18_2::QR_z_2BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;
    const int k = person_index(nrp);
    const dane_pitz& z = r.pitz[k];

    // 1. Filled for status code 4; a PIT-36L return keeps the taxpayer's code
    // in the second status byte.
    const bool filled = r.inf_dod[k] == 4 || (r.typ_pit == 2 && r.inf_dod[2] == 4);

    if (filled) {
        // 2. C.1 the activity of the tax year; C.2 the year of the exemption
        // and the addition; C.3 repeats the revenue and costs of C.1 (poz. 23,
        // 24) and the income and loss after the addition (poz. 31, 29).
        ust_w_str(b, "QRL_rok", wydznaki(year_digits(z.rokzw)));
        for (int column = 1; column <= 4; ++column) ust_wart(b, cell_name("QRL_prz", 1, column), z.kw[4][column], 2);
        const double addition[] = {z.dol20, z.st_dol, z.doch_dol, z.doch_pdol};
        for (int i = 1; i <= 4; ++i) ust_w_str(b, "QRL_w" + std::to_string(i), kwota(addition[i - 1], 2));
        ust_wart(b, "QRL_prz21", z.kw[4][1], 2);
        ust_wart(b, "QRL_prz22", z.kw[4][2], 2);
        ust_w_str(b, "QRL_prz23", kwota(z.doch_pdol, 2));
        ust_w_str(b, "QRL_prz24", kwota(z.st_dol, 2));
    } else {
        // 3. Otherwise the section is left empty.
        clear_grid(b, "QRL_prz", 1, 2, 4);
        ust_w_str(b, "QRL_rok", "");
        for (int i = 1; i <= 4; ++i) ust_w_str(b, "QRL_w" + std::to_string(i), "");
    }
}

}  // namespace dek::pages
