#include "report/person_heading.h"

#include <stdexcept>
#include <string>

#include "report/fill.h"
#include "report/format.h"
#include "report/identity.h"

namespace dek::report {

namespace {

const dane_os& person_block(const rekdek_t& r, int k) { return person_index(k) == 1 ? r.podatnik : r.malzonek; }

}  // namespace

int person_index(int nrp) {
    if (nrp != 1 && nrp != 2)
        throw std::out_of_range("person " + std::to_string(nrp) + ": a per-person page prints person 1 or 2 only");
    return nrp;
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
    const dane_os& os = person_block(r, k);
    ust_w_str(band, "QRL_nazw", os.nazw.str());
    ust_w_str(band, "QRL_im", os.im.str());
    ust_w_str(band, "QRL_dur", DataToStr(os.dur, 0));
}

}  // namespace dek::report
