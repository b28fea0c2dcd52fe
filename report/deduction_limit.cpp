#include "report/deduction_limit.h"

#include <algorithm>
#include <cmath>

namespace dek::report {

namespace {

long long grosze(double amount) { return std::llround(amount * 100.0); }

double zloty(long long grosze) { return static_cast<double>(grosze) / 100.0; }

// The tax of the return that the person's part C deductions may use.
long long share_of_tax(const HostData& data, int person) {
    const rekdek_t& r = data.rekdek;
    const long long left = std::max(0LL, grosze(r.pod_po_odl));
    if (!sp_opod_wspolnie(data)) return std::max(0LL, grosze(r.pod_o)) + left;
    if (person == 1) return std::max(0LL, grosze(r.pod_o)) + (left - left / 2);
    return std::max(0LL, grosze(r.pod_o_m)) + left / 2;
}

}  // namespace

void ogr_odl_pod_pito(HostData& data, int person) {
    const bool joint = sp_opod_wspolnie(data);
    if (person != 1 && !(person == 2 && joint)) return;
    dane_pito& pito = person == 1 ? data.rekdek.pito : data.rekdek.pito_m;
    const long long share = share_of_tax(data, person);

    long long left = share;
    for (real* amount : {&pito.odl[11], &pito.odl[12], &pito.ulg_27g, &pito.odl[13], &pito.ulg_dz}) {
        const long long claimed = grosze(*amount);
        if (claimed <= 0) continue;
        if (claimed > left) {
            *amount = zloty(left);
            left = 0;
        } else {
            left -= claimed;
        }
    }
    if (grosze(pito.odl_pod) > share) pito.odl_pod = zloty(share);
}

}  // namespace dek::report
