#include "report/opp_request.h"

#include "report/fill.h"
#include "report/format.h"
#include "report/joined.h"

namespace dek::report {

void fill_opp_request(Band& band, const rekdek_t& r) {
    ust_w_str(band, "QRL_krs", trim(r.krs.str()));
    ust_wart(band, "QRL_kwopp", r.kwopp, 2);
    ust_w_str(band, "QRL_cel", joined_trimmed({r.cel[1].str(), r.cel[2].str()}));
    ust_w_str(band, "QRL_inf_cel", mark(r.inf_cel));
    ust_w_str(band, "QRL_kontakt", joined_trimmed({r.kontakt[1].str(), r.kontakt[2].str()}));
}

}  // namespace dek::report
