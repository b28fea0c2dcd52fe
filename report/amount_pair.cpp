#include "report/amount_pair.h"

#include "report/fill.h"
#include "report/format.h"

namespace dek::report {

void ust_wart_pair(Band& band, const AmountPair& names, bool joint, double taxpayer, double spouse) {
    ust_wart(band, names.taxpayer, taxpayer, 2);
    if (joint)
        ust_wart(band, names.spouse, spouse, 2);
    else
        ust_w_str(band, names.spouse, "");
}

void kwota_pair(Band& band, const AmountPair& names, bool joint, double taxpayer, double spouse) {
    ust_w_str(band, names.taxpayer, kwota(taxpayer, 2));
    ust_w_str(band, names.spouse, joint ? kwota(spouse, 2) : "");
}

}  // namespace dek::report
