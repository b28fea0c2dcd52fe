#include "report/pit28_heading.h"

#include <string>

#include "report/fill.h"
#include "report/format.h"
#include "report/identity.h"

namespace dek::report {

void fill_pit28_identifier(Band& band, const rek28_t& r) {
    fill_identifier(band, "QRL_nip", "QRL_kas_nip", "QRL_kas_pes", r.ident_pesel, r.nip.str(), r.pesel.str());
}

void fill_pit28_year(Band& band, const rek28_t& r) { ust_w_str(band, "QRL_rok", wydznaki(std::to_string(r.rok))); }

void fill_pit28_names(Band& band, const rek28_t& r) {
    ust_w_str(band, "QRL_nazw", r.nazw.str());
    ust_w_str(band, "QRL_im", r.im.str());
    ust_w_str(band, "QRL_dur", DataToStr(r.dur, 0));
}

}  // namespace dek::report
