#include "pages/attachments/Wb18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "records/pitb.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/partnership.h"
#include "report/person_heading.h"

namespace dek::pages {

using namespace report;

TF_wb18_1::TF_wb18_1(HostData& data) : PageReport(data, layout_of("Wb18_1")) {}

namespace {

// The labels of one activity box: B.1 names its texts without a suffix and its
// amounts with 1, B.2 its texts with 1 and its amounts with 2.
struct ActivityLabels {
    std::string texts, amounts;
};

// An activity's trimmed texts and its three amounts, a loss with its minus;
// no activity (nullptr) clears all six.
void fill_activity(Band& b, const ActivityLabels& l, const dane_dzg* a) {
    ust_w_str(b, "QRL_dzial" + l.texts, a != nullptr ? trim(a->dzial.str()) : "");
    ust_w_str(b, "QRL_reg" + l.texts, a != nullptr ? trim(a->reg.str()) : "");
    ust_w_str(b, "QRL_mp" + l.texts, a != nullptr ? trim(a->mp.str()) : "");
    ust_w_str(b, "QRL_prz_dg" + l.amounts, a != nullptr ? kwota(a->prz_dg, 2) : "");
    ust_w_str(b, "QRL_ko_dg" + l.amounts, a != nullptr ? kwota(a->ko_dg, 2) : "");
    ust_w_str(b, "QRL_d_dg" + l.amounts, a != nullptr ? kwota(a->d_dg, 2) : "");
}

}  // namespace

void TF_wb18_1::QR_b_1BeforePrint(bool& /*PrintReport*/) {
    const rekdek_t& r = data.rekdek;
    Band& b = DB_dane;
    const int k = person_index(nrp);
    const int first = checked_variant("nr", nr, {1, 3});
    const dane_pitb& block = r.pitb[k];

    // 1. Number of the person's PIT/B attachments, as the job counted them.
    ust_w_str(b, "QRL_ilzalb", wydznaki(std::to_string(ilb)));

    // 2.-4. NIP (this form has no PESEL box), year, section A.
    fill_person_heading(b, data, k, IdentifierBox::NipOnly);

    // 5.-6. The present activities nr and nr + 1, counted in record order.
    fill_activity(b, {"", "1"}, nth_activity(block, first));
    fill_activity(b, {"1", "2"}, nth_activity(block, first + 1));

    // 7.-8. The set's first partnership: the 1st present in the first set,
    // the 4th in the second.
    const int partnership = first == 1 ? 1 : 4;
    fill_partnership(b, partnership, nth_partnership(block, partnership), PartnershipTexts::Trimmed);
}

}  // namespace dek::pages
