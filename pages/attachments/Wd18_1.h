// PIT/D page 1/2: identifiers, year, section A (taxpayer and spouse), the
// interest relief B.1 with the spouses' request B.1.1, and the deductions
// from income under acquired rights B.2 and B.3.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wd18_1 : public report::PageReport {
public:
    explicit TF_wd18_1(HostData& data);

    void QR_d_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_d_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wd18_1> F_wd18_1;

}  // namespace dek::pages
