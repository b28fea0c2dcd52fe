#include "pages/pit36/W36185.h"

#include <string>

#include "pages/page_classes.h"
#include "report/child_refund.h"
#include "report/fill.h"
#include "report/months.h"
#include "report/zal44.h"

namespace dek::pages {

using namespace report;

TF_w36185::TF_w36185(HostData& data) : PageReport(data, layout_of("W36185")) {}

namespace {

// The art. 30g cells are numbered 1 to 52 in an order of their own; those of
// the spouse are 18 to 23, 30 to 47, 51 and 52, every other one the
// taxpayer's.
constexpr int kArt30gCells = 52;

bool spouse_art30g_cell(int i) { return (i >= 18 && i <= 23) || (i >= 30 && i <= 47) || i == 51 || i == 52; }

std::string art30g_cell(int i) { return "QRL" + std::to_string(i); }

}  // namespace

void TF_w36185::QR_36_5BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;
    const bool joint = sp_opod_wspolnie(data);

    // 1. Poz. 217 and 218, złoty and grosze.
    ust_wart(b, "QRL_rozn", r.rozn, 2);
    ust_wart(b, "QRL_rozn1", r.rozn1, 2);

    // 2. The art. 30g tax is not computed by the return: every cell shows zero.
    for (int i = 1; i <= kArt30gCells; ++i) ust_wart(b, art30g_cell(i), 0, 0);

    // 3. The taxpayer's advances, due and paid, month by month and in total.
    fill_zal44(b, r.mies[1].zal44, {"QRL_44_1p", "QRL_44_1pz", "QRLsp", "QRLspz"});

    // 4. The spouse's, under joint taxation; otherwise the whole of K.2 stays
    // empty, its art. 30g cells included.
    if (joint) {
        fill_zal44(b, r.mies[2].zal44, {"QRL_44_1m", "QRL_44_1mz", "QRLsm", "QRLsmz"});
    } else {
        clear_months(b, "QRL_44_1m");
        clear_months(b, "QRL_44_1mz");
        for (int i = 1; i <= kArt30gCells; ++i)
            if (spouse_art30g_cell(i)) ust_w_str(b, art30g_cell(i), "");
        for (const char* n : {"QRLsm", "QRLsmz"}) ust_w_str(b, n, "");
    }

    // 5. Poz. 328 and 329, whole złoty.
    ust_wart(b, "QRL_zal_wpl", r.zal_wpl, 0);
    ust_wart(b, "QRL_rozn30g", r.rozn30g, 0);

    // 6. Section L, when a child-relief difference is left.
    fill_child_refund(b, data.rek_uz, joint);
}

}  // namespace dek::pages
