#include "report/child_refund.h"

#include "report/amount_pair.h"
#include "report/fill.h"

namespace dek::report {

bool child_refund_applies(const rek_uz_t& uz, bool joint) {
    return uz.dz != 0 || (joint && uz.dz_m != 0) || uz.rozn != 0;
}

void fill_child_refund(Band& band, const rek_uz_t& uz, bool joint) {
    if (!child_refund_applies(uz, joint)) {
        for (const char* n : {"QRL_uz_zus1", "QRL_uz_zus2", "QRL_uz_dz1", "QRL_uz_dz2", "QRL_uz_rozn"})
            set_enabled(band, n, false);
        return;
    }
    kwota_pair(band, {"QRL_uz_zus1", "QRL_uz_zus2"}, joint, uz.zus, uz.zus_m);
    kwota_pair(band, {"QRL_uz_dz1", "QRL_uz_dz2"}, joint, uz.dz, uz.dz_m);
    ust_wart(band, "QRL_uz_rozn", uz.rozn, 2);
}

}  // namespace dek::report
