#include "pages/attachments/Wo18_3.h"

#include "pages/page_classes.h"
#include "report/children.h"

namespace dek::pages {

using namespace report;

TF_wo18_3::TF_wo18_3(HostData& data) : PageReport(data, layout_of("Wo18_3")) {}

void TF_wo18_3::QR_o_3BeforePrint(bool& /*PrintReport*/) {
    Band& b = DB_dane;

    // 1. No design caption reaches the paper.
    clear_labels(b);

    // 2. Children E.1 to E.3.
    fill_children(b, data, 1, 3);
}

}  // namespace dek::pages
