// PIT-36L page 1/4: NIP, form variant, year, section A (tax office, purpose),
// B (taxpayer), C (additional information, poz. 10 to 12), D (business and
// special agricultural production income, poz. 13 to 22) and E (deductions
// from income, poz. 23 to 30).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36l18_1 : public report::PageReport {
public:
    explicit TF_w36l18_1(HostData& data);

    void QR_36l_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36l_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36l18_1> F_w36l18_1;

}  // namespace dek::pages
