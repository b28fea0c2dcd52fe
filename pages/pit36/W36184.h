// PIT-36 page 4/7: the end of the deductions from income (section F), the
// amounts increasing the tax base or reducing the loss (G), the tax
// computation (H), the deductions from tax (I) and poz. 215 and 216 of the tax
// liability (J).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36184 : public report::PageReport {
public:
    explicit TF_w36184(HostData& data);

    void QR_36_4BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36_4BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36184> F_w36184;

}  // namespace dek::pages
