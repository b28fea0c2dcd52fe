// Unit W28f_18: the PIT-28 print dialog `Tf_wydpit28` and its print job.
// Loading the unit registers the class under its name.
#pragma once

#include "jobs/print_dialog.h"
#include "jobs/print_sequence.h"

namespace dek::jobs {

// The PIT-28 job: pages 1 to 4, PIT-28/A, the PIT-28/B attachments, then
// PIT/O 1/4 to 3/4, PIT/D and PIT-2K, each of the last three brought from the
// PIT-28 return into the general record just before its sheet.
const PrintJob& pit28_job();
const DialogDescription& pit28_dialog();

// The PIT-28/B attachments printed: the record holds four partnerships, two
// to an attachment, so a count above two prints two.
inline constexpr int kPit28bMax = 2;

class Tf_wydpit28 : public PrintDialog {
public:
    Tf_wydpit28(const DialogContext& ctx, QWidget* owner) : PrintDialog(pit28_dialog(), ctx, owner) {}
};

}  // namespace dek::jobs
