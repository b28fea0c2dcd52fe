// PIT/O page 2/4: section C, the deductions from tax of both persons, limited
// to their tax before they print, and section D, the donees D.1 to D.3.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wo18_2 : public report::PageReport {
public:
    explicit TF_wo18_2(HostData& data);

    void QR_o_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_o_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wo18_2> F_wo18_2;

}  // namespace dek::pages
