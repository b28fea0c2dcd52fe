#include "pages/attachments/Wo18_4.h"

#include "pages/page_classes.h"
#include "report/children.h"

namespace dek::pages {

using namespace report;

TF_wo18_4::TF_wo18_4(HostData& data) : PageReport(data, layout_of("Wo18_4")) {}

void TF_wo18_4::QR_o_4BeforePrint(bool& /*PrintReport*/) {
    Band& b = DB_dane;

    // 1. No design caption reaches the paper.
    clear_labels(b);

    // 2. Children E.4 and E.5.
    fill_children(b, data, 4, 5);
}

}  // namespace dek::pages
