#include "report/spouse_request.h"

#include "report/fill.h"
#include "report/format.h"

namespace dek::report {

void fill_request(Band& band, const dane_wnd& request, const RequestLabels& labels) {
    for (std::string_view name : {labels.p28, labels.m28, labels.p36, labels.m36}) ust_w_str(band, name, "");
    if (request.jest28) {
        ust_w_str(band, labels.p28, kwota(request.p28, 2));
        ust_w_str(band, labels.m28, kwota(request.m28, 2));
    }
    if (request.jest36) {
        ust_w_str(band, labels.p36, kwota(request.p36, 2));
        ust_w_str(band, labels.m36, kwota(request.m36, 2));
    }
}

}  // namespace dek::report
