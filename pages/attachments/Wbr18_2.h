// PIT/BR page 2/2: section D, the scientific units of one person (`nrp`: 1
// taxpayer, 2 spouse), each with its name and seat address.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wbr18_2 : public report::PageReport {
public:
    explicit TF_wbr18_2(HostData& data);

    void QR_br_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_br_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wbr18_2> F_wbr18_2;

}  // namespace dek::pages
