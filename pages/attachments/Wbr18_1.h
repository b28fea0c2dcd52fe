// PIT/BR page 1/2: the deduction of research-and-development costs of one
// person (`nrp`: 1 taxpayer, 2 spouse): NIP, section A with poz. 7, the
// amounts of section B and the kinds of activity of section C.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wbr18_1 : public report::PageReport {
public:
    explicit TF_wbr18_1(HostData& data);

    void QR_br_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_br_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wbr18_1> F_wbr18_1;

}  // namespace dek::pages
