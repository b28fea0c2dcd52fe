// PIT-37 page 4/4: information on attachments (section L), the Large Family
// Card (N) and the attorney (poz. 142). Sections M, the signatures and the
// office's notes are left for the pen.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w37184 : public report::PageReport {
public:
    explicit TF_w37184(HostData& data);

    void QR_37_4BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_37_4BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w37184> F_w37184;

}  // namespace dek::pages
