#include "records/pitb.h"

#include <algorithm>

namespace dek {

namespace {

template <class Entries, class Entry = typename Entries::value_type>
const Entry* nth_present(const Entries& entries, int n, bool (*present)(const Entry&)) {
    int seen = 0;
    for (const Entry& e : entries)
        if (present(e) && ++seen == n) return &e;
    return nullptr;
}

template <class Entries, class Entry = typename Entries::value_type>
int count_present(const Entries& entries, bool (*present)(const Entry&)) {
    return static_cast<int>(std::count_if(entries.begin(), entries.end(), present));
}

}  // namespace

bool dzgosp_present(const dane_dzg& a) { return !a.dzial.empty() || !a.reg.empty(); }

bool spolka_present(const dane_sp& s) { return !s.nazsp.empty() || !s.regsp.empty() || !s.nipsp.empty(); }

int activities_present(const dane_pitb& b) { return count_present(b.dzgosp, &dzgosp_present); }

int partnerships_present(const dane_pitb& b) { return count_present(b.spolki, &spolka_present); }

const dane_dzg* nth_activity(const dane_pitb& b, int n) { return nth_present(b.dzgosp, n, &dzgosp_present); }

const dane_sp* nth_partnership(const dane_pitb& b, int n) { return nth_present(b.spolki, n, &spolka_present); }

int pitb_sets(const dane_pitb& b) {
    const int activities = activities_present(b);
    const int partnerships = partnerships_present(b);
    return std::max((activities + 1) / 2, (partnerships + 2) / 3);
}

}  // namespace dek
