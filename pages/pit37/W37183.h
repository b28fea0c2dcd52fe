// PIT-37 page 3/4: tax computation (E), deductions from tax (F), tax liability
// (G), additional refund for the child relief (H), income under art. 45
// ust. 3c (I), the 1 % transfer (J) and supplementary information (K).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w37183 : public report::PageReport {
public:
    explicit TF_w37183(HostData& data);

    void QR_37_3BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_37_3BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w37183> F_w37183;

}  // namespace dek::pages
