// Unit Dekw3618: the PIT-36 print dialog `Tf_wydpit36` and its print job.
// Loading the unit registers the class under its name.
#pragma once

#include "jobs/print_dialog.h"
#include "jobs/print_sequence.h"

namespace dek::jobs {

// The PIT-36 job: pages 1 to 7, the PIT/B sets of each person, PIT/O, PIT/D,
// PIT/M, PIT-2K, then PIT/Z, PIT/ZG, PIT/BR and PIT/DS, each person's sheets
// together, the taxpayer's first; the spouse's sheets only under joint
// taxation.
const PrintJob& pit36_job();
const DialogDescription& pit36_dialog();

class Tf_wydpit36 : public PrintDialog {
public:
    Tf_wydpit36(const DialogContext& ctx, QWidget* owner) : PrintDialog(pit36_dialog(), ctx, owner) {}
};

}  // namespace dek::jobs
