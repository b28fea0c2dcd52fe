#include "report/person_heading.h"

#include "report/fill.h"
#include "report/format.h"
#include "report/identity.h"

namespace dek::report {

const dane_os& person_block(const rekdek_t& r, int nrp) { return nrp == 2 ? r.malzonek : r.podatnik; }

void fill_person_names(Band& band, const dane_os& person, const std::string& suffix) {
    ust_w_str(band, "QRL_nazw" + suffix, person.nazw.str());
    ust_w_str(band, "QRL_im" + suffix, person.im.str());
    ust_w_str(band, "QRL_dur" + suffix, DataToStr(person.dur, 0));
}

void fill_person_heading(Band& band, const rekdek_t& r, int nrp, PersonIdentifier id) {
    const bool spouse = nrp == 2;
    const std::string nip = (spouse ? r.nip_m : r.nip).str();
    if (id == PersonIdentifier::Nip) {
        ust_w_str(band, "QRL_nip", nip_caption(nip));
    } else {
        fill_identifier(band, "QRL_nip", "QRL_kas_nip", "QRL_kas_pes", spouse ? r.ident_pesel_m : r.ident_pesel, nip,
                        person_block(r, nrp).pesel.str());
    }
    ust_w_str(band, "QRL_rok", wydznaki(std::to_string(r.rok)));
    fill_person_names(band, person_block(r, nrp), "");
}

}  // namespace dek::report
