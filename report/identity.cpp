#include "report/identity.h"

#include <algorithm>

#include "report/fill.h"
#include "report/format.h"

namespace dek::report {

std::string nip_caption(std::string_view nip) { return wydznaki(red_nip(usun_kreski(nip), 1)); }

std::string pesel_caption(std::string_view pesel) { return wydznaki(pesel); }

void fill_identifier(Band& band, std::string_view value, std::string_view cover_nip, std::string_view cover_pesel,
                     bool by_pesel, std::string_view nip, std::string_view pesel) {
    if (!by_pesel) {
        set_enabled(band, cover_pesel, true);
        ust_w_str(band, value, nip_caption(nip));
    } else {
        set_enabled(band, cover_nip, true);
        ust_w_str(band, value, pesel_caption(pesel));
    }
}

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

void fill_nrref(Band& band, const HostData& data) {
    Element* memo = band.find("QRL_nrref");
    if (memo == nullptr) return;
    memo->enabled = data.dr_dek_ref;
    if (!data.dr_dek_ref) return;
    const std::string& number = data.nr_dek_refer;
    // Split after the 16th character (UTF-8 sequences kept whole).
    std::size_t at = 0;
    for (int chars = 0; at < number.size() && chars < 16; ++chars) {
        const auto c = static_cast<unsigned char>(number[at]);
        at += c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    }
    at = std::min(at, number.size());
    memo->lines.push_back(number.substr(0, at));
    memo->lines.push_back(number.substr(at));
}

void fill_nrref_one_line(Band& band, const HostData& data) {
    Element* memo = band.find("QRL_nrref");
    if (memo == nullptr) return;
    memo->enabled = data.dr_dek_ref;
    if (data.dr_dek_ref) memo->lines.push_back(data.nr_dek_refer);
}

}  // namespace dek::report
