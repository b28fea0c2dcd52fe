// The records the host fills before it creates a print dialog, held in one
// context object it owns and hands to the dialog: the return record `rekdek`,
// the PIT-28 record `rek28` with its attachment data `zal28`, `rek_uz`,
// `rek01`, the joint-taxation codes `wsp_z_malz`, the reference number of the
// electronic filing (`dr_dek_ref`, `nr_dek_refer`), and the settings record
// `rekster` with its file `zbster`.
#pragma once

#include "records/host_data.h"
