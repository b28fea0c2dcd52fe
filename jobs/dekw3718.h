// Unit Dekw3718: the PIT-37 print dialog `Tf_wydpit37` and its print job.
// Loading the unit registers the class under its name.
#pragma once

#include "jobs/print_dialog.h"
#include "jobs/print_sequence.h"

namespace dek::jobs {

// The PIT-37 job: PIT-37 pages 1 to 4, PIT/O 1/4 to 4/4, PIT/D 1/2 and 2/2,
// PIT-2K, in this order.
const PrintJob& pit37_job();
const DialogDescription& pit37_dialog();

class Tf_wydpit37 : public PrintDialog {
public:
    Tf_wydpit37(const DialogContext& ctx, QWidget* owner) : PrintDialog(pit37_dialog(), ctx, owner) {}
};

}  // namespace dek::jobs
