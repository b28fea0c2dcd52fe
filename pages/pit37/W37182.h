// PIT-37 page 2/4: section C (income and losses by source, C.1 taxpayer, C.2
// spouse) and section D (deductions from income, poz. 97 to 103).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w37182 : public report::PageReport {
public:
    explicit TF_w37182(HostData& data);

    void QR_37_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_37_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w37182> F_w37182;

}  // namespace dek::pages
