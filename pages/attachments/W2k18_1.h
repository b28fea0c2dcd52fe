// PIT-2K: identifiers, section A (taxpayer and spouse), the kind of housing
// investment, its expenses and years, and the housing loan.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w2k18_1 : public report::PageReport {
public:
    explicit TF_w2k18_1(HostData& data);

    void QR_2k_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_2k_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w2k18_1> F_w2k18_1;

}  // namespace dek::pages
