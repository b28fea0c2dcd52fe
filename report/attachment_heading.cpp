#include "report/attachment_heading.h"

#include <string>

#include "report/fill.h"
#include "report/format.h"
#include "report/identity.h"

namespace dek::report {

void fill_identifiers(Band& band, const HostData& data) {
    const rekdek_t& r = data.rekdek;
    fill_identifier(band, "QRL_nip", "QRL_kas_nip", "QRL_kas_pes", r.ident_pesel, r.nip.str(), r.podatnik.pesel.str());
    if (sp_opod_wspolnie(data)) {
        fill_identifier(band, "QRL_nip1", "QRL_kas_nip1", "QRL_kas_pes1", r.ident_pesel_m, r.nip_m.str(),
                        r.malzonek.pesel.str());
    } else {
        ust_w_str(band, "QRL_nip1", "");
        set_enabled(band, "QRL_nip1", false);
    }
}

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
