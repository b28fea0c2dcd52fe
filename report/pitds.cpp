#include "report/pitds.h"

#include "report/format.h"

namespace dek::report {

bool dsw_present(const dane_dsw& d) { return !trim(d.mp.str()).empty(); }

bool dss_present(const dane_dss& d) { return !trim(d.mps.str()).empty(); }

PitdsTotals pitds_totals(const dane_pitds& ds) {
    PitdsTotals t;
    for (const dane_dsw& d : ds.dsw) {
        if (!dsw_present(d)) continue;
        t.revenue += d.prz;
        t.costs += d.ko;
    }
    for (const dane_dss& d : ds.dss) {
        if (!dss_present(d)) continue;
        t.revenue += d.przs2;
        t.costs += d.kos2;
    }
    const double income = t.revenue - t.costs;
    if (income < 0)
        t.loss = -income;
    else
        t.income = income;
    return t;
}

}  // namespace dek::report
