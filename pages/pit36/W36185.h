// PIT-36 page 5/7: the end of the tax liability (poz. 217, 218), the monthly
// advances and the art. 30g tax of each person (section K), the additional
// refund for the child relief (L) and poz. 328 and 329 of section M.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36185 : public report::PageReport {
public:
    explicit TF_w36185(HostData& data);

    void QR_36_5BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36_5BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36185> F_w36185;

}  // namespace dek::pages
