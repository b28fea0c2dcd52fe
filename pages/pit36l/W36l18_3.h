// PIT-36L page 3/4: monthly advances and the art. 30g tax (section J), amount to
// pay or overpayment (K), the art. 44 ust. 1b lump-sum tax (L) and the
// art. 22e interest (M) by month, income under art. 45 ust. 3c (N).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36l18_3 : public report::PageReport {
public:
    explicit TF_w36l18_3(HostData& data);

    void QR_36l_3BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36l_3BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36l18_3> F_w36l18_3;

}  // namespace dek::pages
