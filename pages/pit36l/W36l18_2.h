// PIT-36L page 2/4: the rest of section E (poz. 31 to 34), amounts raising the
// tax base or reducing the loss (F), the 19 % tax (G), deductions from tax (H)
// and the tax liability (I), every box one amount of the taxpayer.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36l18_2 : public report::PageReport {
public:
    explicit TF_w36l18_2(HostData& data);

    void QR_36l_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36l_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36l18_2> F_w36l18_2;

}  // namespace dek::pages
