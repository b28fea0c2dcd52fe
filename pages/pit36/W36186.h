// PIT-36 page 6/7: the rest of section M (lump-sum taxes, the amount to pay
// or the overpayment, the refund), and by month for each person the lump-sum
// tax under art. 44 ust. 1b (N), the interest under art. 22e (O) and the
// advances due under art. 44 ust. 1a, 1c and 7 (P).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36186 : public report::PageReport {
public:
    explicit TF_w36186(HostData& data);

    void QR_36_6BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36_6BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36186> F_w36186;

}  // namespace dek::pages
