// PIT-28 page 2/4: deductions from revenue (section D, poz. 73 to 81), the
// deducted amounts by rate (E, poz. 82 to 90) and the revenue after
// deductions by rate (F, poz. 91 to 99).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w2818_2 : public report::PageReport {
public:
    explicit TF_w2818_2(HostData& data);

    void QR_28_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_28_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w2818_2> F_w2818_2;

}  // namespace dek::pages
