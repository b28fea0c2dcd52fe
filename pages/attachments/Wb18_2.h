// PIT/B page 2/2 of one person's set: the partnerships C.2 and C.3 after
// partnership `nr` (1 or 4), the totals of section D over all the person's
// activities and partnerships, and the two answers of section E.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wb18_2 : public report::PageReport {
public:
    explicit TF_wb18_2(HostData& data);

    void QR_b_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_b_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wb18_2> F_wb18_2;

}  // namespace dek::pages
