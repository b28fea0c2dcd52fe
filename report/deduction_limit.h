// The limit on the deductions from tax of PIT/O part C: before PIT/O page 2
// prints them, a person's deductions are brought within the tax that the
// return left for them, so that the attachment agrees with the tax
// computation of the return (PIT-37 poz. 109 to 111, PIT-36 poz. 211 to 213).
#pragma once

#include "records/host_data.h"

namespace dek::report {

// Limits the part C deductions of one person (1 taxpayer, 2 spouse) in the
// PIT/O block: `odl[11]`, `odl[12]`, `ulg_dz`, `ulg_27g`, `odl[13]` and the
// total `odl_pod`. Nothing else of the record changes.
//
// The person's share of the tax is the tax before part C as the return
// computed it, `pod_po_odl` (tax after deductions) plus the part C deductions
// it applied, `pod_o` and `pod_o_m`:
//  - taxed alone, the taxpayer's share is `pod_o` + `pod_po_odl`;
//  - taxed jointly, each spouse's share is what the return applied to them
//    (`pod_o`, `pod_o_m`) plus half of the tax left after deductions
//    (`pod_po_odl`; the odd grosz to the taxpayer), so the two shares add up
//    to the joint tax and neither depends on the other's claims;
//  - the spouse outside joint taxation has no share in this return: the call
//    changes nothing.
//
// Deductions within the share stay exactly as stored, so a consistent return
// is left as it is. Beyond it the deductions are taken in the order
// apprentices (`odl[11]`), home-help contributions (`odl[12]`), art. 27g
// (`ulg_27g`), other reliefs (`odl[13]`) and last the child relief (`ulg_dz`),
// whose unused part the return refunds; the first that no longer fits is cut
// to what is left, the rest to 0; the total is cut to the share. Negative
// amounts are left alone and count as 0. Amounts are compared in grosze. The
// share does not depend on the deductions, so a second call changes nothing.
//
// The share is read from `pod_o`, `pod_o_m` and `pod_po_odl` of `rekdek`: a
// return whose tax computation is kept elsewhere (PIT-28, in `rek28`) has to
// bring its figures into these fields before PIT/O page 2 prints.
void ogr_odl_pod_pito(HostData& data, int person);

}  // namespace dek::report
