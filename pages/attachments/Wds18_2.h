// PIT/DS page 2 of the four-page form: the departments one person (`nrp`: 1
// taxpayer, 2 spouse) runs jointly or in a partnership, and the person's
// totals of section D.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wds18_2 : public report::PageReport {
public:
    explicit TF_wds18_2(HostData& data);

    void QR_ds_2BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_ds_2BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wds18_2> F_wds18_2;

}  // namespace dek::pages
