#include "report/attachment_heading.h"

#include <string>

#include "report/fill.h"
#include "report/format.h"
#include "report/person_heading.h"
#include "report/przep_zal.h"

namespace dek::report {

void fill_names(Band& band, const HostData& data) {
    // A PIT-28 taxpayer's names whole, as the return's page 1 prints them.
    const PersonNames names = taxpayer_names(data);
    ust_w_str(band, "QRL_nazw", names.nazw);
    ust_w_str(band, "QRL_im", names.im);
    ust_w_str(band, "QRL_dur", DataToStr(data.rekdek.podatnik.dur, 0));
    if (sp_opod_wspolnie(data)) {
        fill_person_names(band, data.rekdek.malzonek, "1");
    } else {
        for (const char* stem : {"QRL_nazw1", "QRL_im1", "QRL_dur1"}) ust_w_str(band, stem, "");
    }
}

}  // namespace dek::report
