#include "jobs/pitb_loop.h"

#include "records/pitb.h"

namespace dek::jobs {

std::vector<std::vector<VariantFields>> pitb_passes(const HostData& data, int persons) {
    std::vector<std::vector<VariantFields>> passes;
    for (int p = 1; p <= persons; ++p) {
        const int sets = pitb_sets(data.rekdek.pitb[p]);
        for (int s = 1; s <= sets; ++s)
            passes.push_back({{.nrp = p, .nr = 2 * s - 1, .ilb = sets}, {.nrp = p, .nr = 3 * s - 2}});
    }
    return passes;
}

}  // namespace dek::jobs
