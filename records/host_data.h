// The host's records, held in one context object that the host owns and hands
// to the dialog it creates (and from there to the job and to each page).
#pragma once

#include <optional>
#include <string>

// The records' headers are found beside this one, as they are installed too.
#include "rek28.h"
#include "rekdek.h"
#include "rekster.h"

namespace dek {

struct HostData {
    rekdek_t rekdek;
    rek28_t rek28;
    rek_uz_t rek_uz;
    rek01_t rek01;
    // A PIT-28 return's own PIT/O, PIT/D and PIT-2K data, brought into
    // `rekdek` by the PIT-28 job before each such sheet.
    dane_zal zal28;
    // The taxpayer's surname and first name as a PIT-28 return stores them
    // (text(50)), carried beside `rekdek` by the same preparations: the
    // person fields of `rekdek` hold 30 and 20 characters, its byte layout
    // stays the host's. Empty until a PIT-28 attachment sheet is prepared.
    struct Names28 {
        Text<50> nazw, im;
    };
    std::optional<Names28> nazwy28;
    // Taxation-method codes meaning joint taxation with the spouse.
    CodeSet wsp_z_malz = CodeSet::of({1});
    // Reference number of the electronic filing, printed on first pages when asked.
    bool dr_dek_ref = false;
    std::string nr_dek_refer;  // UTF-8, characters of Windows-1250
    rekster_t rekster;
    zbster_t zbster;
};

// Joint taxation: the return's method code is a member of `wsp_z_malz`. Asked
// afresh at every use, never cached.
inline bool sp_opod_wspolnie(const HostData& d) { return d.wsp_z_malz.contains(d.rekdek.sp_opod); }

}  // namespace dek
