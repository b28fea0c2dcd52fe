// PIT/D page 2/2: the spouses' request B.3.1 on the deduction from income,
// the deductions from tax C, C.1 and C.2 and their request C.2.1.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wd18_2 : public report::PageReport {
public:
    explicit TF_wd18_2(HostData& data);

    void QR_d_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_d_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wd18_2> F_wd18_2;

}  // namespace dek::pages
