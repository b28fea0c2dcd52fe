// PIT/Z page 2/2: section C, the additions to income in the years after the
// exemption (status code 4): the activity of the tax year, the year of the
// exemption with the addition, and the income or loss after it.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wz18_2 : public report::PageReport {
public:
    explicit TF_wz18_2(HostData& data);

    void QR_z_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_z_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wz18_2> F_wz18_2;

}  // namespace dek::pages
