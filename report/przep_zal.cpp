#include "report/przep_zal.h"

#include "report/format.h"

namespace dek::report {

namespace {

// Stores a `rek28` text in a narrower `rekdek` field. The PIT-28 record keeps
// names of up to 50 characters, the general record 30 (surname) and 20
// (first name); a longer name is cut to the field's width there, the whole
// name going beside it (`nazwy28`). Both records hold single-byte
// Windows-1250 text, so the cut falls between characters.
template <std::size_t To, std::size_t From>
void cut_into(Text<To>& to, const Text<From>& from) {
    to.set_cp1250(from.cp1250());
}

}  // namespace

void przep_zal28(HostData& data) {
    const rek28_t& r = data.rek28;
    rekdek_t& d = data.rekdek;

    static_cast<dane_zal&>(d) = data.zal28;

    // A NIP is ten digits; the PIT-28 record may hold it with dashes.
    d.nip.set_cp1250(usun_kreski(r.nip.cp1250()));
    d.rok = r.rok;
    d.ident_pesel = r.ident_pesel;
    d.podatnik = dane_os{};
    cut_into(d.podatnik.nazw, r.nazw);
    cut_into(d.podatnik.im, r.im);
    data.nazwy28 = HostData::Names28{r.nazw, r.im};
    d.podatnik.dur = r.dur;
    d.podatnik.pesel = r.pesel;

    d.malzonek = dane_os{};
    d.nip_m = Text<10>{};
    d.ident_pesel_m = false;
    d.sp_opod = kSpOpodPit28;

    d.pod_o = r.odl_o;
    d.pod_o_m = 0;
    d.pod_po_odl = r.r_po_odl;
}

PersonNames taxpayer_names(const HostData& data) {
    const dane_os& p = data.rekdek.podatnik;
    if (data.nazwy28) {
        decltype(p.nazw) nazw;
        decltype(p.im) im;
        cut_into(nazw, data.nazwy28->nazw);
        cut_into(im, data.nazwy28->im);
        if (nazw == p.nazw && im == p.im) return {data.nazwy28->nazw.str(), data.nazwy28->im.str()};
    }
    return {p.nazw.str(), p.im.str()};
}

void przep_zalo(HostData& data) { przep_zal28(data); }

void przep_zald(HostData& data) { przep_zal28(data); }

void przep_zal2k(HostData& data) { przep_zal28(data); }

}  // namespace dek::report
