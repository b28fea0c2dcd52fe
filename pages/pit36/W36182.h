// PIT-36/PIT-36S page 2/7: section C, the additional information (squares
// poz. 37 to 41b, the years of poz. 42), the taxpayer's income table D.1 and
// rows 1 and 2 of the spouse's table D.2.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36182 : public report::PageReport {
public:
    explicit TF_w36182(HostData& data);

    void QR_36_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36182> F_w36182;

}  // namespace dek::pages
