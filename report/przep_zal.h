// The attachments PIT/O, PIT/D and PIT-2K of a PIT-28 return. Those pages read
// only the general return record `rekdek`; a PIT-28 return keeps its own
// data in `rek28` (identification, tax) and `zal28` (the attachments). Before
// each such sheet the PIT-28 job brings that data into `rekdek`.
#pragma once

#include <string>

#include "records/host_data.h"

namespace dek::report {

// The taxation-method code a PIT-28 return gets in `rekdek`: a lump-sum
// taxpayer is taxed alone, and a code of 128 or more is in no set of joint
// methods, whatever the host's set holds.
inline constexpr byte kSpOpodPit28 = 255;

// Brings a PIT-28 return into `rekdek`, for the pages that read it there:
//  - the attachment data of PIT/O, PIT/D and PIT-2K (`dane_zal`) := `zal28`,
//    the whole block at once, so nothing of an earlier content stays;
//  - the taxpayer's identification from `rek28`: `nip` without dashes, `rok`,
//    `ident_pesel`, and `podatnik` made anew with `nazw`, `im`, `dur` and
//    `pesel` (nothing else of the person is read by these pages); the names
//    cut to `rekdek`'s 30 and 20 characters there, and kept whole in
//    `nazwy28` beside it for the sheets' name boxes (taxpayer_names);
//  - no spouse: `malzonek` and `nip_m` empty, `ident_pesel_m` off, and
//    `sp_opod` := kSpOpodPit28, never joint;
//  - the tax figures that limit the part C deductions of PIT/O: `pod_o` :=
//    `rek28.odl_o` (deductions from the lump-sum tax), `pod_o_m` := 0 and
//    `pod_po_odl` := `rek28.r_po_odl` (the tax after them), so deductions
//    within the return's own tax print as claimed.
// Every other field of `rekdek` stays as it is. The result depends only on
// `rek28` and `zal28`, so running it again before each sheet changes nothing
// and a sheet never depends on which earlier sheets were printed.
void przep_zal28(HostData& data);

// The taxpayer's surname and first name for an attachment's name boxes: the
// whole names a PIT-28 preparation carried in `nazwy28`, while `rekdek` still
// holds that person (its names are their beginnings, as the preparation cut
// them); otherwise `rekdek.podatnik`'s. A host that refills `rekdek` with
// another return after a PIT-28 print thus never gets the PIT-28 names.
struct PersonNames {
    std::string nazw, im;  // UTF-8
};
PersonNames taxpayer_names(const HostData& data);

// The preparation before each PIT/O sheet of a PIT-28 return.
void przep_zalo(HostData& data);
// The preparation before each PIT/D sheet.
void przep_zald(HostData& data);
// The preparation before the PIT-2K sheet.
void przep_zal2k(HostData& data);

}  // namespace dek::report
