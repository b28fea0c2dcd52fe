// PIT-28/B page 1/2: the taxpayer, the number of PIT-28/B attachments and the
// partnership `nrsp` (section C.1). The k-th attachment shows partnership
// 2k - 1 here.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w28b18_1 : public report::PageReport {
public:
    explicit TF_w28b18_1(HostData& data);

    void QR_28b_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_28b_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w28b18_1> F_w28b18_1;

}  // namespace dek::pages
