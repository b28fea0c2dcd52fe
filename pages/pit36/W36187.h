// PIT-36 page 7/7: the income under art. 45 ust. 3c (section Q), the 1 %
// transfer (R), the supplementary information (S), the attachment counts and
// the PIT/D information (T), the Large Family Card (U) and the attorney (V).
// The signatures and the office's notes are left for the pen.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36187 : public report::PageReport {
public:
    explicit TF_w36187(HostData& data);

    void QR_36_7BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36_7BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36187> F_w36187;

}  // namespace dek::pages
