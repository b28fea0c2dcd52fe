#include "pages/pit28/W28b18_2.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/partnership28.h"

namespace dek::pages {

using namespace report;

TF_w28b18_2::TF_w28b18_2(HostData& data) : PageReport(data, layout_of("W28b18_2")) {}

namespace {

using Totals = decltype(rek28_t::sp);

// The totals of section C.3 by row and rate. With at most one attachment they
// are the stored totals; with more, the sum of the attachment's two
// partnerships: 1 and 2 on the sheet of partnership 2, else 3 and 4.
Totals totals(const rek28_t& r, int nrsp) {
    if (r.ilzal[7] < 2) return r.sp;
    Totals t;
    const int first = nrsp == 2 ? 1 : 3;
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 6; ++j) t[i][j] = r.spolki[first].prz_wsp[i][j] + r.spolki[first + 1].prz_wsp[i][j];
    return t;
}

}  // namespace

void TF_w28b18_2::QR_28b_2BeforePrint(bool& /*PrintReport*/) {
    const rek28_t& r = data.rek28;
    Band& b = DB_dane;

    // 1. The partnership of this sheet.
    fill_partnership(b, r, nrsp);

    // 2. and 3. The attachment's totals.
    const Totals t = totals(r, nrsp);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 6; ++j) ust_wart(b, "QRL_sp" + std::to_string(i) + std::to_string(j), t[i][j], 2);
}

}  // namespace dek::pages
