// PIT-36/PIT-36S page 3/7: rows 3 to 11 of the spouse's income table D.2,
// the minors' income of PIT/M (D.3), section E (exempt income, losses and
// social contributions) and section F (deductions from income).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36183 : public report::PageReport {
public:
    explicit TF_w36183(HostData& data);

    void QR_36_3BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36_3BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36183> F_w36183;

}  // namespace dek::pages
