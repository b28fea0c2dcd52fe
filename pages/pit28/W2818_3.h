// PIT-28 page 3/4: the total revenue after deductions (poz. 100), the
// lump-sum tax by rate (G), the deductions from it (H), the tax due (I), the
// exemption (J) and the amount to pay or the overpayment (K).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w2818_3 : public report::PageReport {
public:
    explicit TF_w2818_3(HostData& data);

    void QR_28_3BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_28_3BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w2818_3> F_w2818_3;

}  // namespace dek::pages
