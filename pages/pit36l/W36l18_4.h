// PIT-36L page 4/4: the 1 % transfer (O), supplementary information (P),
// attachment counts (Q), Large Family Card (R) and the attorney (S).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36l18_4 : public report::PageReport {
public:
    explicit TF_w36l18_4(HostData& data);

    void QR_36l_4BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36l_4BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36l18_4> F_w36l18_4;

}  // namespace dek::pages
