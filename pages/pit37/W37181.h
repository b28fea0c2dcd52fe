// PIT-37 page 1/4: identifiers, year, taxation method, section A (tax office,
// purpose of filing) and section B (taxpayer and spouse).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w37181 : public report::PageReport {
public:
    explicit TF_w37181(HostData& data);

    void QR_37_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_37_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w37181> F_w37181;

}  // namespace dek::pages
