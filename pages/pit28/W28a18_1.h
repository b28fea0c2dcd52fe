// PIT-28/A: the identifier, the year, the taxpayer (A), the kind and place of
// the business (B.1) and its revenue by rate (B.2).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w28a18_1 : public report::PageReport {
public:
    explicit TF_w28a18_1(HostData& data);

    void QR_28a_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_28a_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w28a18_1> F_w28a18_1;

}  // namespace dek::pages
