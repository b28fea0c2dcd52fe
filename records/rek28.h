// The PIT-28 return record `rek28` with its PIT-28/A and PIT-28/B data. Its
// fields are a packed byte sequence: `fields(v)` lists them in storage order,
// with the stretches no page reads as `v.gap(bytes)`, so the byte image and the
// loader share one list.
#pragma once

#include "rekdek.h"  // beside this header, as installed too

namespace dek {

// Partnership of a PIT-28/B attachment.
struct dane_sp28 {
    Text<200> nazsp;  // begins a 571-byte stretch
    Text<13> nipsp;   // begins a 121-byte stretch
    real prsp = 0;    // share in percent
    real przsp = 0;
    Arr<Arr<real, 1, 6>, 1, 2> prz_sp;
    real przwsp = 0;
    Arr<Arr<real, 1, 6>, 1, 2> prz_wsp;

    template <class V>
    void fields(V& v) {
        DEK_FIELD(nazsp);
        v.gap(571 - decltype(nazsp)::byte_size);
        DEK_FIELD(nipsp);
        v.gap(121 - decltype(nipsp)::byte_size);
        DEK_FIELD(prsp), DEK_FIELD(przsp), DEK_FIELD(prz_sp), DEK_FIELD(przwsp), DEK_FIELD(prz_wsp);
    }
    bool operator==(const dane_sp28&) const = default;
};

struct rek28_t {
    Text<13> nip;
    integer rok = 0;
    Text<60> urz;
    flag korekta = false;
    Text<50> nazw;
    Text<50> im;
    dt1 dur;
    Text<11> pesel;
    Text<20> kr, woj, pow, gmina;
    Text<50> ul;
    Text<10> nrd;
    Text<7> nrlok;
    Text<35> miejsc;
    Text<6> kodp;
    Text<35> poczta;
    Arr<real, 1, 7> przdg, przsp, prznaj, gbl, osz;
    Arr<real, 1, 6> pr, prosz;
    real str = 0, zus = 0, zus_zagr = 0, o_prz = 0, prz_po_odl = 0, odl_ods = 0, prz_po_ods = 0;
    real odl_prz_d = 0, odl_og = 0;
    Arr<real, 1, 7> prz, podst_op;
    real prz_po_odl1 = 0;
    Arr<real, 1, 7> pod;
    real pod_gbl = 0, dol_rycz = 0, pod_zagr = 0, rycz_po_dol = 0, zdr = 0, zdr_zagr = 0, odl_o = 0;
    real r_po_odl = 0, odl_pm = 0, pod_zrycz = 0;
    integer rok_zw = 0;
    real pod_zwol = 0;
    byte zw = 0;
    real wpl_rycz = 0, do_zapl = 0, nadpl = 0;
    Arr<real, 1, 11> rycz_mies;
    real sum_rycz = 0, rycz_gr = 0;
    Text<31> krs;
    real poz_odl = 0;
    Arr<Text<60>, 1, 2> kontakt, cel;
    flag inf_cel = false;
    Arr<byte, 1, 7> ilzal;
    byte il_spr = 0, d_kto = 0, d_kod = 0;
    Arr<Text<60>, 1, 3> d_us;
    real str_dod = 0;
    flag spadek = false;
    byte kdr = 0;
    flag ident_pesel = false, jest_peln = false;
    Text<30> peln;
    Arr<Text<60>, 1, 4> dzial;
    Arr<Text<60>, 1, 2> mp;
    Arr<dane_sp28, 1, 4> spolki;
    Arr<Arr<real, 1, 6>, 1, 2> sp;

    template <class V>
    void fields(V& v) {
        v.gap(9);
        DEK_FIELD(nip), DEK_FIELD(rok), DEK_FIELD(urz), DEK_FIELD(korekta), DEK_FIELD(nazw), DEK_FIELD(im);
        DEK_FIELD(dur), DEK_FIELD(pesel), DEK_FIELD(kr), DEK_FIELD(woj), DEK_FIELD(pow), DEK_FIELD(gmina);
        DEK_FIELD(ul), DEK_FIELD(nrd), DEK_FIELD(nrlok), DEK_FIELD(miejsc), DEK_FIELD(kodp), DEK_FIELD(poczta);
        DEK_FIELD(przdg), DEK_FIELD(przsp), DEK_FIELD(prznaj), DEK_FIELD(gbl), DEK_FIELD(osz), DEK_FIELD(pr);
        DEK_FIELD(prosz);
        v.gap(6);
        DEK_FIELD(str);
        v.gap(6);
        DEK_FIELD(zus);
        v.gap(6);
        DEK_FIELD(zus_zagr), DEK_FIELD(o_prz), DEK_FIELD(prz_po_odl), DEK_FIELD(odl_ods), DEK_FIELD(prz_po_ods);
        v.gap(6);
        DEK_FIELD(odl_prz_d);
        v.gap(6);
        DEK_FIELD(odl_og), DEK_FIELD(prz), DEK_FIELD(podst_op), DEK_FIELD(prz_po_odl1);
        v.gap(6);
        DEK_FIELD(pod);
        v.gap(18);
        DEK_FIELD(pod_gbl), DEK_FIELD(dol_rycz), DEK_FIELD(pod_zagr);
        v.gap(18);
        DEK_FIELD(rycz_po_dol);
        v.gap(6);
        DEK_FIELD(zdr);
        v.gap(6);
        DEK_FIELD(zdr_zagr), DEK_FIELD(odl_o), DEK_FIELD(r_po_odl);
        v.gap(6);
        DEK_FIELD(odl_pm);
        v.gap(6);
        DEK_FIELD(pod_zrycz), DEK_FIELD(rok_zw), DEK_FIELD(pod_zwol), DEK_FIELD(zw), DEK_FIELD(wpl_rycz);
        DEK_FIELD(do_zapl), DEK_FIELD(nadpl), DEK_FIELD(rycz_mies);
        v.gap(6);
        DEK_FIELD(sum_rycz), DEK_FIELD(rycz_gr);
        v.gap(61);
        DEK_FIELD(krs), DEK_FIELD(poz_odl), DEK_FIELD(kontakt), DEK_FIELD(cel), DEK_FIELD(inf_cel);
        DEK_FIELD(ilzal), DEK_FIELD(il_spr), DEK_FIELD(d_kto), DEK_FIELD(d_kod), DEK_FIELD(d_us);
        v.gap(6);
        DEK_FIELD(str_dod);
        v.gap(20);
        DEK_FIELD(spadek), DEK_FIELD(kdr);
        v.gap(26);
        DEK_FIELD(ident_pesel), DEK_FIELD(jest_peln), DEK_FIELD(peln), DEK_FIELD(dzial);
        v.gap(10);
        DEK_FIELD(mp);
        v.gap(36);
        DEK_FIELD(spolki), DEK_FIELD(sp);
    }
    bool operator==(const rek28_t&) const = default;
};

}  // namespace dek
