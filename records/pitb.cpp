#include "records/pitb.h"

namespace dek {

bool dzgosp_present(const dane_dzg& a) { return !a.dzial.empty() || !a.reg.empty(); }

bool spolka_present(const dane_sp& s) { return !s.nazsp.empty() || !s.regsp.empty() || !s.nipsp.empty(); }

int pitb_sets(const dane_pitb& b) {
    int last_activity = 0;
    int last_partnership = 0;
    for (int i = 1; i <= 4; ++i)
        if (dzgosp_present(b.dzgosp[i])) last_activity = i;
    for (int i = 1; i <= 6; ++i)
        if (spolka_present(b.spolki[i])) last_partnership = i;
    if (last_activity > 2 || last_partnership > 3) return 2;
    return last_activity > 0 || last_partnership > 0 ? 1 : 0;
}

}  // namespace dek
