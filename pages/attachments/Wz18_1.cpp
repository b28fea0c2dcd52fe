#include "pages/attachments/Wz18_1.h"

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/grid.h"
#include "report/person_heading.h"

namespace dek::pages {

using namespace report;

TF_wz18_1::TF_wz18_1(HostData& data) : PageReport(data, layout_of("Wz18_1")) {}

void TF_wz18_1::QR_z_1BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;
    const int k = person_index(nrp);
    const dane_pitz& z = r.pitz[k];

    // 1.-3. NIP (this form has no PESEL box), year, section A, whatever the code.
    fill_person_heading(b, data, k, IdentifierBox::NipOnly);

    // 4. Section B only for a person who used the exemption this year.
    if (r.inf_dod[k] == 3) {
        for (int row = 1; row <= 3; ++row)
            for (int column = 1; column <= 4; ++column)
                ust_wart(b, cell_name("QRL_prz", row, column), z.kw[row][column], 2);
        // B.4 repeats the revenue and costs of B.1 (poz. 6 and 7); its income,
        // loss and exempt income are stored figures of their own.
        ust_wart(b, "QRL_prz41", z.kw[1][1], 2);
        ust_wart(b, "QRL_prz42", z.kw[1][2], 2);
        ust_w_str(b, "QRL_prz43", kwota(z.doch_b4, 2));
        ust_w_str(b, "QRL_prz44", kwota(z.st_b4, 2));
        ust_w_str(b, "QRL_prz53", kwota(z.zwol, 2));
    } else {
        // 5. Otherwise the whole of section B is left empty.
        clear_grid(b, "QRL_prz", 1, 5, 4);
    }
}

}  // namespace dek::pages
