// Unit Zw36l_18: the PIT-36L print dialog `Tf_wydpit36L` and its print job.
// Loading the unit registers the class under its name.
#pragma once

#include "jobs/print_dialog.h"
#include "jobs/print_sequence.h"

namespace dek::jobs {

// The PIT-36L job: pages 1 to 4, the taxpayer's PIT/B sets, PIT/Z, PIT/ZG,
// PIT/BR and PIT/DS. A PIT-36L return has no spouse: every attachment sheet
// is the taxpayer's, and no prompt names a person.
const PrintJob& pit36l_job();
const DialogDescription& pit36l_dialog();

class Tf_wydpit36L : public PrintDialog {
public:
    Tf_wydpit36L(const DialogContext& ctx, QWidget* owner) : PrintDialog(pit36l_dialog(), ctx, owner) {}
};

}  // namespace dek::jobs
