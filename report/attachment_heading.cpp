#include "report/attachment_heading.h"

#include <string>

#include "report/fill.h"
#include "report/format.h"

namespace dek::report {

namespace {

void fill_person_names(Band& band, const dane_os& os, const std::string& suffix) {
    ust_w_str(band, "QRL_nazw" + suffix, os.nazw.str());
    ust_w_str(band, "QRL_im" + suffix, os.im.str());
    ust_w_str(band, "QRL_dur" + suffix, DataToStr(os.dur, 0));
}

}  // namespace

void fill_names(Band& band, const HostData& data) {
    fill_person_names(band, data.rekdek.podatnik, "");
    if (sp_opod_wspolnie(data)) {
        fill_person_names(band, data.rekdek.malzonek, "1");
    } else {
        for (const char* stem : {"QRL_nazw1", "QRL_im1", "QRL_dur1"}) ust_w_str(band, stem, "");
    }
}

}  // namespace dek::report
