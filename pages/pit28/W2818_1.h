// PIT-28 page 1/4: the identifier, the form variant (PIT-28 or PIT-28S), the
// year, section A (tax office, purpose), section B (the taxpayer and the
// address) and section C (revenue by lump-sum rate).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w2818_1 : public report::PageReport {
public:
    explicit TF_w2818_1(HostData& data);

    void QR_28_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_28_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w2818_1> F_w2818_1;

}  // namespace dek::pages
