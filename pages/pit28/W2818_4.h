// PIT-28 page 4/4: the lump-sum tax of the months (L), the 1 % transfer (M),
// supplementary information (N), the attachments and PIT/D (O), the Large
// Family Card (P) and the attorney.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w2818_4 : public report::PageReport {
public:
    explicit TF_w2818_4(HostData& data);

    void QR_28_4BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_28_4BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w2818_4> F_w2818_4;

}  // namespace dek::pages
