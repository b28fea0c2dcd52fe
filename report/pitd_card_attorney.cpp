#include "report/pitd_card_attorney.h"

#include "report/fill.h"
#include "report/format.h"
#include "report/joined.h"

namespace dek::report {

void fill_pitd_card_attorney(Band& band, const rekdek_t& r, bool joint) {
    // Who filed the PIT/D.
    ust_w_str(band, "QRL_d_p", mark(r.d_kto == 0));
    ust_w_str(band, "QRL_d_m", mark(r.d_kto == 1));

    // The return it went with, and the spouse's data, start empty ...
    for (const char* n : {"QRL_d28", "QRL_d36", "QRL_d37", "QRL_d_us"}) ust_w_str(band, n, "");

    // ... and are given only when someone filed it.
    if (r.d_kto == 0 || r.d_kto == 1) {
        ust_w_str(band, "QRL_d28", mark(r.d_kod == 0));
        ust_w_str(band, "QRL_d36", mark(r.d_kod == 1));
        ust_w_str(band, "QRL_d37", mark(r.d_kod == 2));
    }
    ust_w_str(band, "QRL_d_us",
              r.d_kto == 1 ? joined_trimmed({r.d_us[1].str(), r.d_us[2].str(), r.d_us[3].str()}) : "");

    // The Large Family Card.
    ust_w_str(band, "QRL_kdr_p", mark(r.kdr == 1));
    ust_w_str(band, "QRL_kdr_m", mark(joint && r.kdr_m == 1));

    // The attorney, when there is one.
    ust_w_str(band, "QRL_peln", r.jest_peln ? trim(r.peln.str()) : "");
}

}  // namespace dek::report
