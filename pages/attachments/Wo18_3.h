// PIT/O page 3/4: the children E.1 to E.3 of section E (the donee boxes D.4
// and D.5 stay empty: the return keeps three donees).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wo18_3 : public report::PageReport {
public:
    explicit TF_wo18_3(HostData& data);

    void QR_o_3BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_o_3BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wo18_3> F_wo18_3;

}  // namespace dek::pages
