#include "report/partnership.h"

#include <string>

#include "report/fill.h"
#include "report/format.h"
#include "report/grid.h"

namespace dek::report {

int partnership_row(int k) { return k % 3 == 0 ? 3 : k % 3; }

void fill_partnership(Band& band, int k, const dane_sp* entry, PartnershipTexts texts) {
    const int row = partnership_row(k);
    const std::string n = std::to_string(row);
    const std::string amounts = "QRL_prz_sp";
    if (entry == nullptr) {
        for (const char* stem : {"QRL_nazsp", "QRL_prsp", "QRL_nipsp", "QRL_regsp", "QRL_mprowsp"})
            ust_w_str(band, stem + n, "");
        clear_grid(band, amounts, row, row, 6);
        return;
    }
    const dane_sp& s = *entry;
    const auto text = [texts](const std::string& stored) {
        return texts == PartnershipTexts::Trimmed ? trim(stored) : stored;
    };
    ust_w_str(band, "QRL_nazsp" + n, text(s.nazsp.str()));
    ust_wart(band, "QRL_prsp" + n, s.prsp, 2);
    ust_w_str(band, "QRL_nipsp" + n, red_nip(usun_kreski(s.nipsp.str()), 0));
    ust_w_str(band, "QRL_regsp" + n, text(s.regsp.str()));
    ust_w_str(band, "QRL_mprowsp" + n, text(s.mprowsp.str()));
    for (int j = 1; j <= 6; ++j) ust_wart(band, cell_name(amounts, row, j), s.prz_sp[j], 2);
}

}  // namespace dek::report
