#include "report/person_heading.h"

#include "report/fill.h"
#include "report/format.h"
#include "report/identity.h"

namespace dek::report {

int person_index(int nrp) { return checked_variant("nrp", nrp, {1, 2}); }

const dane_os& person_block(const rekdek_t& r, int k) { return person_index(k) == 1 ? r.podatnik : r.malzonek; }

void fill_person_names(Band& band, const dane_os& person, const std::string& suffix) {
    ust_w_str(band, "QRL_nazw" + suffix, person.nazw.str());
    ust_w_str(band, "QRL_im" + suffix, person.im.str());
    ust_w_str(band, "QRL_dur" + suffix, DataToStr(person.dur, 0));
}

void fill_person_identifier(Band& band, const HostData& data, int k) {
    const rekdek_t& r = data.rekdek;
    const bool first = person_index(k) == 1;
    fill_identifier(band, "QRL_nip", "QRL_kas_nip", "QRL_kas_pes", first ? r.ident_pesel : r.ident_pesel_m,
                    first ? r.nip.str() : r.nip_m.str(), person_block(r, k).pesel.str());
}

void fill_person_heading(Band& band, const HostData& data, int k, IdentifierBox box) {
    const rekdek_t& r = data.rekdek;
    if (box == IdentifierBox::NipOrPesel)
        fill_person_identifier(band, data, k);
    else
        ust_w_str(band, "QRL_nip", nip_caption(person_index(k) == 1 ? r.nip.str() : r.nip_m.str()));
    ust_w_str(band, "QRL_rok", wydznaki(std::to_string(r.rok)));
    fill_person_names(band, person_block(r, k), "");
}

}  // namespace dek::report
