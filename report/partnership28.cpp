#include "report/partnership28.h"

#include <string>

#include "report/fill.h"
#include "report/format.h"
#include "report/grid.h"

namespace dek::report {

namespace {

using Partnerships = decltype(rek28_t::spolki);

bool is_partnership(int n) { return n >= Partnerships::lo && n <= Partnerships::hi; }

}  // namespace

void fill_partnership(Band& band, const rek28_t& r, int n) {
    if (!is_partnership(n)) {
        for (const char* name : {"QRL_nazsp", "QRL_nipsp", "QRL_prsp", "QRL_przsp", "QRL_przwsp"})
            ust_w_str(band, name, "");
        for (int i = 1; i <= 2; ++i) {
            for (int j = 1; j <= 6; ++j) {
                ust_w_str(band, cell_name("QRL_prz_sp", i, j), "");
                ust_w_str(band, cell_name("QRL_prz_wsp", i, j), "");
            }
        }
        return;
    }
    const dane_sp28& s = r.spolki[n];
    ust_w_str(band, "QRL_nazsp", s.nazsp.str());
    ust_w_str(band, "QRL_nipsp", s.nipsp.str());
    ust_w_str(band, "QRL_prsp", kwota(s.prsp, 2));
    ust_w_str(band, "QRL_przsp", kwota(s.przsp, 2));
    ust_w_str(band, "QRL_przwsp", kwota(s.przwsp, 2));
    for (int i = 1; i <= 2; ++i) {
        for (int j = 1; j <= 6; ++j) {
            ust_wart(band, cell_name("QRL_prz_sp", i, j), s.prz_sp[i][j], 2);
            ust_wart(band, cell_name("QRL_prz_wsp", i, j), s.prz_wsp[i][j], 2);
        }
    }
}

}  // namespace dek::report
