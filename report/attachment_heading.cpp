#include "report/attachment_heading.h"

#include <string>

#include "report/fill.h"
#include "report/person_heading.h"

namespace dek::report {

void fill_names(Band& band, const HostData& data) {
    fill_person_names(band, data.rekdek.podatnik, "");
    if (sp_opod_wspolnie(data)) {
        fill_person_names(band, data.rekdek.malzonek, "1");
    } else {
        for (const char* stem : {"QRL_nazw1", "QRL_im1", "QRL_dur1"}) ust_w_str(band, stem, "");
    }
}

}  // namespace dek::report
