// PIT/DS page 1 of the four-page form: the departments of special agricultural
// production that one person (`nrp`: 1 taxpayer, 2 spouse) runs alone, with
// the person's NIP and section A.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wds18_1 : public report::PageReport {
public:
    explicit TF_wds18_1(HostData& data);

    void QR_ds_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_ds_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wds18_1> F_wds18_1;

}  // namespace dek::pages
