// PIT-28/B page 2/2: the partnership `nrsp` (section C.2) and the totals of
// the attachment (C.3). The k-th attachment shows partnership 2k here.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w28b18_2 : public report::PageReport {
public:
    explicit TF_w28b18_2(HostData& data);

    void QR_28b_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_28b_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w28b18_2> F_w28b18_2;

}  // namespace dek::pages
