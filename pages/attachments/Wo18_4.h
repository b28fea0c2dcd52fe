// PIT/O page 4/4: the children E.4 and E.5 of section E.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wo18_4 : public report::PageReport {
public:
    explicit TF_wo18_4(HostData& data);

    void QR_o_4BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_o_4BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wo18_4> F_wo18_4;

}  // namespace dek::pages
