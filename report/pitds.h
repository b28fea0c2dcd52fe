// The special departments of agricultural production of one person (PIT/DS):
// which departments count, and the person's totals printed in section D.
#pragma once

#include "records/rekdek.h"

namespace dek::report {

// A department is present when its place, blanks trimmed off, is not empty;
// an absent one prints nothing and stays out of the totals, whatever else it
// holds.
bool dsw_present(const dane_dsw& d);
bool dss_present(const dane_dss& d);

struct PitdsTotals {
    double revenue = 0;
    double costs = 0;
    double income = 0;  // revenue - costs when not below zero, else 0
    double loss = 0;    // costs - revenue when above zero, else 0
};

// Revenue and costs of the present departments run alone, plus the parts
// attributable to the person of the present joint ones (never their joint
// amounts); income or loss from their difference. The stored incomes of the
// departments do not enter.
PitdsTotals pitds_totals(const dane_pitds& ds);

}  // namespace dek::report
