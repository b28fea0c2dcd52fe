#include "pages/attachments/Wbr18_1.h"

#include <string>

#include "pages/page_classes.h"
#include "report/fill.h"
#include "report/format.h"
#include "report/person_heading.h"

namespace dek::pages {

using namespace report;

TF_wbr18_1::TF_wbr18_1(HostData& data) : PageReport(data, layout_of("Wbr18_1")) {}

namespace {

// A yes/no question with both "X" marks designed in: the answer 1 keeps the
// mark of "tak", any other value the mark of "nie".
void keep_answer(Band& b, const std::string& stem, byte answer) {
    set_enabled(b, stem + (answer == 1 ? "2" : "1"), false);
}

}  // namespace

void TF_wbr18_1::QR_br_1BeforePrint(bool& /*PrintReport*/) {
    const int k = person_index(nrp);
    const dane_pitbr& br = data.rek01.pitbr[k];
    Band& b = DB_dane;

    // 1.-3. NIP (the form has no PESEL box), year, section A. Poz. 3 keeps
    // its designed "1".
    fill_person_heading(b, data, k, IdentifierBox::NipOnly);

    // 4.-6. Poz. 7, 23 and 24: exactly one square of each marked.
    keep_answer(b, "QRL_m", br.mikro);
    keep_answer(b, "QRL_bn", br.bn);
    keep_answer(b, "QRL_pr", br.pr);

    // 7. Poz. 25 to 27: the kind of research, read only for research done.
    if (br.bn == 1 && br.rbn >= 1 && br.rbn <= 3) set_enabled(b, "QRL_rbn" + std::to_string(br.rbn), true);

    // 8. Section B, zero amounts printed too. Names are built as "Qrl_p" + i
    // and found whatever their letter case.
    for (int i = 8; i <= 18; ++i) ust_w_str(b, "Qrl_p" + std::to_string(i), kwota(br.p[i], 2));
}

}  // namespace dek::pages
