// The general return record `rekdek` (PIT-37, PIT-36/36S, PIT-36L/36LS) with
// its person, income and attachment blocks, and the auxiliary records
// `rek_uz` and `rek01`.
//
// Every record type lists its fields once, in storage order, in `fields(v)`:
// the return-file loader, the byte-image codec and the tests walk that list,
// so a field's name and type are written down in one place only.
#pragma once

#include "types.h"  // beside this header, as installed too

// Hands one member to the visitor under its own name.
#define DEK_FIELD(name) v(#name, name)

namespace dek {

// Person block: identification data and current address.
struct dane_os {
    Text<30> nazw;
    Text<20> im;
    dt1 dur;
    Text<25> kr;
    Text<20> woj;
    Text<20> pow;
    Text<20> gmina;
    Text<50> ul;
    Text<10> nrd;
    Text<7> nrlok;
    Text<35> miejsc;
    Text<6> kodp;
    Text<35> poczta;
    Text<11> pesel;

    template <class V>
    void fields(V& v) {
        DEK_FIELD(nazw), DEK_FIELD(im), DEK_FIELD(dur), DEK_FIELD(kr), DEK_FIELD(woj), DEK_FIELD(pow);
        DEK_FIELD(gmina), DEK_FIELD(ul), DEK_FIELD(nrd), DEK_FIELD(nrlok), DEK_FIELD(miejsc);
        DEK_FIELD(kodp), DEK_FIELD(poczta), DEK_FIELD(pesel);
    }
    bool operator==(const dane_os&) const = default;
};

// Row of an income table.
struct wiersz_zr {
    real prz = 0, kosz = 0, doch = 0, zal = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(prz), DEK_FIELD(kosz), DEK_FIELD(doch), DEK_FIELD(zal);
    }
    bool operator==(const wiersz_zr&) const = default;
};

// Per-person income block.
struct dane_doch {
    Arr<wiersz_zr, 1, 9> zr;
    Arr<wiersz_zr, 1, 5> zr_dz;
    real pm = 0, zm = 0;
    byte pm_obu = 0;
    real dzw = 0, str = 0;
    Text<42> zr_str;
    real zus_zagr = 0, dpo_zs = 0, po = 0, obn = 0;

    template <class V>
    void fields(V& v) {
        DEK_FIELD(zr), DEK_FIELD(zr_dz), DEK_FIELD(pm), DEK_FIELD(zm), DEK_FIELD(pm_obu), DEK_FIELD(dzw);
        DEK_FIELD(str), DEK_FIELD(zr_str), DEK_FIELD(zus_zagr), DEK_FIELD(dpo_zs), DEK_FIELD(po);
        DEK_FIELD(obn);
    }
    bool operator==(const dane_doch&) const = default;
};

// Revenues and costs with 50 % costs.
struct dane_k50 {
    real prz_pr = 0, kosz_pr = 0, prz_aut = 0, kosz_aut = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(prz_pr), DEK_FIELD(kosz_pr), DEK_FIELD(prz_aut), DEK_FIELD(kosz_aut);
    }
    bool operator==(const dane_k50&) const = default;
};

// Monthly amounts I..XII, whole złoty.
struct dane_mies {
    Arr<real, 1, 12> ryc44, ods, zal44, zal44_7;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(ryc44), DEK_FIELD(ods), DEK_FIELD(zal44), DEK_FIELD(zal44_7);
    }
    bool operator==(const dane_mies&) const = default;
};

// PIT/O block of one person.
struct dane_pito {
    Arr<real, 0, 14> odl;
    byte ildz = 0;
    real ulg_dz = 0, ulg_27g = 0, odl_pod = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(odl), DEK_FIELD(ildz), DEK_FIELD(ulg_dz), DEK_FIELD(ulg_27g), DEK_FIELD(odl_pod);
    }
    bool operator==(const dane_pito&) const = default;
};

// Name and address (PIT/BR scientific units; the first part of a donee).
struct dane_jn {
    Text<40> nazpel;
    Text<25> kr;
    Text<20> woj;
    Text<20> pow;
    Text<20> gm;
    Text<35> ul;
    Text<10> nrd;
    Text<7> nrlok;
    Text<35> miejsc;
    Text<6> kodp;
    Text<35> poczta;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(nazpel), DEK_FIELD(kr), DEK_FIELD(woj), DEK_FIELD(pow), DEK_FIELD(gm), DEK_FIELD(ul);
        DEK_FIELD(nrd), DEK_FIELD(nrlok), DEK_FIELD(miejsc), DEK_FIELD(kodp), DEK_FIELD(poczta);
    }
    bool operator==(const dane_jn&) const = default;
};

// Donee of PIT/O section D: name and address, then the spouses' donations.
struct dane_darow : dane_jn {
    real dar = 0, dar_m = 0;
    template <class V>
    void fields(V& v) {
        dane_jn::fields(v);
        DEK_FIELD(dar), DEK_FIELD(dar_m);
    }
    bool operator==(const dane_darow&) const = default;
};

// Child of PIT/O section E.
struct dane_dziecka {
    Text<11> pes;
    Text<20> im;
    Text<22> nazw;
    single ud = 0, ud_m = 0;
    dt1 dur;
    integer mc = 0;
    integer mc_m = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(pes), DEK_FIELD(im), DEK_FIELD(nazw), DEK_FIELD(ud), DEK_FIELD(ud_m), DEK_FIELD(dur);
        DEK_FIELD(mc), DEK_FIELD(mc_m);
    }
    bool operator==(const dane_dziecka&) const = default;
};

// PIT/D request of the spouses.
struct dane_wnd {
    flag jest28 = false, jest36 = false;
    real p28 = 0, m28 = 0, p36 = 0, m36 = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(jest28), DEK_FIELD(jest36), DEK_FIELD(p28), DEK_FIELD(m28), DEK_FIELD(p36), DEK_FIELD(m36);
    }
    bool operator==(const dane_wnd&) const = default;
};

// PIT/Z block of one person.
struct dane_pitz {
    Arr<Arr<real, 1, 4>, 1, 4> kw;
    integer rokzw = 0;
    real dol20 = 0, st_dol = 0, doch_dol = 0, doch_pdol = 0, doch_b4 = 0, zwol = 0, st_b4 = 0, st_7f = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(kw), DEK_FIELD(rokzw), DEK_FIELD(dol20), DEK_FIELD(st_dol), DEK_FIELD(doch_dol);
        DEK_FIELD(doch_pdol), DEK_FIELD(doch_b4), DEK_FIELD(zwol), DEK_FIELD(st_b4), DEK_FIELD(st_7f);
    }
    bool operator==(const dane_pitz&) const = default;
};

// PIT/B business activity.
struct dane_dzg {
    Text<55> dzial;
    Text<9> reg;
    Text<40> mp;
    real prz_dg = 0, ko_dg = 0, d_dg = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(dzial), DEK_FIELD(reg), DEK_FIELD(mp), DEK_FIELD(prz_dg), DEK_FIELD(ko_dg), DEK_FIELD(d_dg);
    }
    bool operator==(const dane_dzg&) const = default;
};

// PIT/B partnership.
struct dane_sp {
    Text<40> nazsp;
    single prsp = 0;
    Text<10> nipsp;
    Text<9> regsp;
    Text<40> mprowsp;
    Arr<real, 1, 6> prz_sp;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(nazsp), DEK_FIELD(prsp), DEK_FIELD(nipsp), DEK_FIELD(regsp), DEK_FIELD(mprowsp);
        DEK_FIELD(prz_sp);
    }
    bool operator==(const dane_sp&) const = default;
};

// PIT/B block of one person.
struct dane_pitb {
    Arr<dane_dzg, 1, 4> dzgosp;
    Arr<dane_sp, 1, 6> spolki;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(dzgosp), DEK_FIELD(spolki);
    }
    bool operator==(const dane_pitb&) const = default;
};

// PIT/ZG block of one person.
struct dane_pitzg {
    Text<40> kraj;
    Arr<Arr<real, 1, 3>, 1, 7> zg;
    Arr<real, 1, 6> doch_pod;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(kraj), DEK_FIELD(zg), DEK_FIELD(doch_pod);
    }
    bool operator==(const dane_pitzg&) const = default;
};

// The data of PIT/O, PIT/D and PIT-2K. A PIT-28 return carries its own copy
// (`zal28` of the host data) that the PIT-28 job brings into `rekdek` before
// each such sheet.
struct dane_zal {
    // PIT/O deductions 1 (public benefit), 2 (religious purposes), 3 (IKZE).
    Arr<real, 1, 3> odl2013, odl2013_m;
    // PIT/D
    real d_ods = 0, d_ods28 = 0, d_ods36 = 0;
    dane_wnd d_wn_ods;
    Arr<Text<40>, 1, 3> d_rodz;
    real d_odl_doch = 0, d_odl_bez_pokr = 0, d_odl_doch_og = 0, d_odl_doch28 = 0, d_odl_doch36 = 0;
    dane_wnd d_wn_odl;
    real d_kas = 0, d_bez_pokr = 0, d_odl_pod_og = 0, d_odl_pod28 = 0, d_odl_pod36 = 0;
    dane_wnd d_wn_pod;
    // PIT/O
    dane_pito pito, pito_m;
    Arr<Text<30>, 1, 3> in_odld, in_odlp;
    Arr<dane_darow, 1, 3> darow;
    Arr<dane_dziecka, 1, 5> dzieci;
    // PIT-2K
    integer rok3_2k = 0;
    real kw3_2k = 0;
    integer rok1_2k = 0, rok2_2k = 0;
    byte inw_2k = 0;
    real kw1_2k = 0, kw2_2k = 0;

    template <class V>
    void fields(V& v) {
        DEK_FIELD(odl2013), DEK_FIELD(odl2013_m);
        DEK_FIELD(d_ods), DEK_FIELD(d_ods28), DEK_FIELD(d_ods36), DEK_FIELD(d_wn_ods), DEK_FIELD(d_rodz);
        DEK_FIELD(d_odl_doch), DEK_FIELD(d_odl_bez_pokr), DEK_FIELD(d_odl_doch_og), DEK_FIELD(d_odl_doch28);
        DEK_FIELD(d_odl_doch36), DEK_FIELD(d_wn_odl), DEK_FIELD(d_kas), DEK_FIELD(d_bez_pokr);
        DEK_FIELD(d_odl_pod_og), DEK_FIELD(d_odl_pod28), DEK_FIELD(d_odl_pod36), DEK_FIELD(d_wn_pod);
        DEK_FIELD(pito), DEK_FIELD(pito_m), DEK_FIELD(in_odld), DEK_FIELD(in_odlp), DEK_FIELD(darow);
        DEK_FIELD(dzieci);
        DEK_FIELD(rok3_2k), DEK_FIELD(kw3_2k), DEK_FIELD(rok1_2k), DEK_FIELD(rok2_2k), DEK_FIELD(inw_2k);
        DEK_FIELD(kw1_2k), DEK_FIELD(kw2_2k);
    }
    bool operator==(const dane_zal&) const = default;
};

// The general return record. The attachment data of PIT/O, PIT/D and PIT-2K
// are its `dane_zal` part, so `rekdek.pito` and `rekdek.d_ods` read as named.
struct rekdek_t : dane_zal {
    // heading and identification
    byte typ_pit = 0;
    Text<10> nip, nip_m;
    integer rok = 0;
    byte sp_opod = 0;
    flag nier = false, nier_m = false;
    Text<60> urz;
    flag korekta = false;
    dane_os podatnik, malzonek;
    Arr<byte, 1, 12> ilzal;
    byte d_kto = 0, d_kod = 0;
    Arr<Text<30>, 1, 3> d_us;
    Arr<byte, 1, 2> inf_dod;
    // income and tax computation
    Arr<dane_doch, 1, 2> dochody;
    real ods = 0, dpo = 0, pdbiez = 0, ikze = 0, zw = 0, br = 0, br1 = 0, utr = 0, zwp = 0, zsg = 0, zss = 0;
    real sdg = 0, sds = 0;
    real zw_m = 0, br_m = 0, br1_m = 0, utr_m = 0, zwp_m = 0, zsg_m = 0, zss_m = 0, sdg_m = 0, sds_m = 0;
    real doch_opod = 0, dzagr = 0, dzagr_m = 0, podst_opod = 0, pod = 0, dolpod = 0, pod1 = 0;
    real zdr_zagr = 0, zdr_zagr_m = 0, pod_o = 0, pod_o_m = 0, pod_po_odl = 0, pod_d_b = 0;
    real pod_po_odl_l = 0, pod_zaokr = 0, sum_zal = 0, rozn = 0, rozn1 = 0, zal_wpl = 0, do_zapl = 0;
    real nadpl = 0;
    Arr<dane_mies, 1, 2> mies;
    // closing sections
    Arr<Text<61>, 1, 2> kontakt;
    Arr<Text<60>, 1, 2> cel;
    flag inf_cel = false;
    Arr<byte, 1, 2> pitb_e;
    byte ilzal_mit = 0;
    flag ident_pesel = false, ident_pesel_m = false;
    real brn = 0, brn_m = 0;
    byte dol_spadek = 0;
    Arr<dane_k50, 1, 2> k50;
    Text<25> krs;
    real kwopp = 0, doch_45 = 0;
    flag jest_peln = false;
    Text<42> peln;
    real pod_zagr = 0, pod_zagr_m = 0;
    Arr<Arr<single, 1, 3>, 1, 2> poz;
    flag spadek = false;
    byte kdr = 0, kdr_m = 0;
    Arr<Arr<single, 1, 3>, 1, 2> nrej;
    single dzw63b = 0, dzw63b_m = 0, zmar = 0, din = 0, inp = 0;
    Arr<dane_pitz, 1, 2> pitz;
    Arr<dane_pitb, 1, 2> pitb;
    real rozn30g = 0, ryc29 = 0, ryc_zagr = 0, pod_zap_zagr = 0, ryc_rozn = 0;
    real ryc29_m = 0, ryc_zagr_m = 0, pod_zap_zagr_m = 0, ryc_rozn_m = 0;
    Arr<dane_pitzg, 1, 2> pitzg;

    template <class V>
    void fields(V& v) {
        DEK_FIELD(typ_pit), DEK_FIELD(nip), DEK_FIELD(nip_m), DEK_FIELD(rok), DEK_FIELD(sp_opod);
        DEK_FIELD(nier), DEK_FIELD(nier_m), DEK_FIELD(urz), DEK_FIELD(korekta), DEK_FIELD(podatnik);
        DEK_FIELD(malzonek), DEK_FIELD(ilzal), DEK_FIELD(d_kto), DEK_FIELD(d_kod), DEK_FIELD(d_us);
        DEK_FIELD(inf_dod);
        DEK_FIELD(dochody), DEK_FIELD(ods), DEK_FIELD(dpo), DEK_FIELD(pdbiez), DEK_FIELD(ikze), DEK_FIELD(zw);
        DEK_FIELD(br), DEK_FIELD(br1), DEK_FIELD(utr), DEK_FIELD(zwp), DEK_FIELD(zsg), DEK_FIELD(zss);
        DEK_FIELD(sdg), DEK_FIELD(sds), DEK_FIELD(zw_m), DEK_FIELD(br_m), DEK_FIELD(br1_m), DEK_FIELD(utr_m);
        DEK_FIELD(zwp_m), DEK_FIELD(zsg_m), DEK_FIELD(zss_m), DEK_FIELD(sdg_m), DEK_FIELD(sds_m);
        DEK_FIELD(doch_opod), DEK_FIELD(dzagr), DEK_FIELD(dzagr_m), DEK_FIELD(podst_opod), DEK_FIELD(pod);
        DEK_FIELD(dolpod), DEK_FIELD(pod1), DEK_FIELD(zdr_zagr), DEK_FIELD(zdr_zagr_m), DEK_FIELD(pod_o);
        DEK_FIELD(pod_o_m), DEK_FIELD(pod_po_odl), DEK_FIELD(pod_d_b), DEK_FIELD(pod_po_odl_l);
        DEK_FIELD(pod_zaokr), DEK_FIELD(sum_zal), DEK_FIELD(rozn), DEK_FIELD(rozn1), DEK_FIELD(zal_wpl);
        DEK_FIELD(do_zapl), DEK_FIELD(nadpl), DEK_FIELD(mies);
        DEK_FIELD(kontakt), DEK_FIELD(cel), DEK_FIELD(inf_cel), DEK_FIELD(pitb_e), DEK_FIELD(ilzal_mit);
        DEK_FIELD(ident_pesel), DEK_FIELD(ident_pesel_m), DEK_FIELD(brn), DEK_FIELD(brn_m);
        DEK_FIELD(dol_spadek), DEK_FIELD(k50), DEK_FIELD(krs), DEK_FIELD(kwopp), DEK_FIELD(doch_45);
        DEK_FIELD(jest_peln), DEK_FIELD(peln), DEK_FIELD(pod_zagr), DEK_FIELD(pod_zagr_m);
        DEK_FIELD(poz), DEK_FIELD(spadek), DEK_FIELD(kdr), DEK_FIELD(kdr_m);
        DEK_FIELD(nrej), DEK_FIELD(dzw63b), DEK_FIELD(dzw63b_m), DEK_FIELD(zmar), DEK_FIELD(din);
        DEK_FIELD(inp);
        dane_zal::fields(v);
        DEK_FIELD(pitz), DEK_FIELD(pitb);
        DEK_FIELD(rozn30g), DEK_FIELD(ryc29), DEK_FIELD(ryc_zagr), DEK_FIELD(pod_zap_zagr);
        DEK_FIELD(ryc_rozn), DEK_FIELD(ryc29_m), DEK_FIELD(ryc_zagr_m), DEK_FIELD(pod_zap_zagr_m);
        DEK_FIELD(ryc_rozn_m), DEK_FIELD(pitzg);
    }
    bool operator==(const rekdek_t&) const = default;
};

// ---- auxiliary records ------------------------------------------------------

// Additional refund for the child relief.
struct rek_uz_t {
    real zus = 0, zus_m = 0, dz = 0, dz_m = 0, rozn = 0, doza = 0, zwrot = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(zus), DEK_FIELD(zus_m), DEK_FIELD(dz), DEK_FIELD(dz_m), DEK_FIELD(rozn), DEK_FIELD(doza);
        DEK_FIELD(zwrot);
    }
    bool operator==(const rek_uz_t&) const = default;
};

// PIT/BR block of one person.
struct dane_pitbr {
    byte mikro = 0;
    Arr<real, 8, 18> p;
    byte bn = 0, pr = 0, rbn = 0;
    Arr<dane_jn, 1, 3> jedn;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(mikro), DEK_FIELD(p), DEK_FIELD(bn), DEK_FIELD(pr), DEK_FIELD(rbn), DEK_FIELD(jedn);
    }
    bool operator==(const dane_pitbr&) const = default;
};

// PIT/DS department run alone.
struct dane_dsw {
    Text<40> mp;
    Text<60> rp;
    Text<10> nrdz;
    real rozm = 0, prz = 0, ko = 0, doch = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(mp), DEK_FIELD(rp), DEK_FIELD(nrdz), DEK_FIELD(rozm), DEK_FIELD(prz), DEK_FIELD(ko);
        DEK_FIELD(doch);
    }
    bool operator==(const dane_dsw&) const = default;
};

// PIT/DS department run jointly or in a partnership.
struct dane_dss {
    Text<40> mps;
    Text<60> rps;
    Text<10> nrs;
    real ros = 0;
    single uds = 0;
    real przs1 = 0, przs2 = 0, kos1 = 0, kos2 = 0, dochs1 = 0, dochs2 = 0;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(mps), DEK_FIELD(rps), DEK_FIELD(nrs), DEK_FIELD(ros), DEK_FIELD(uds), DEK_FIELD(przs1);
        DEK_FIELD(przs2), DEK_FIELD(kos1), DEK_FIELD(kos2), DEK_FIELD(dochs1), DEK_FIELD(dochs2);
    }
    bool operator==(const dane_dss&) const = default;
};

// PIT/DS block of one person.
struct dane_pitds {
    Arr<dane_dsw, 1, 3> dsw;
    Arr<dane_dss, 1, 3> dss;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(dsw), DEK_FIELD(dss);
    }
    bool operator==(const dane_pitds&) const = default;
};

// PIT/BR and PIT/DS data of both persons.
struct rek01_t {
    Arr<dane_pitbr, 1, 2> pitbr;
    Arr<dane_pitds, 1, 2> pitds;
    template <class V>
    void fields(V& v) {
        DEK_FIELD(pitbr), DEK_FIELD(pitds);
    }
    bool operator==(const rek01_t&) const = default;
};

}  // namespace dek
