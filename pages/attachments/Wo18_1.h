// PIT/O page 1/4: identifiers, year, attachment number, section A (taxpayer
// and spouse) and section B, the deductions from income of both persons.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wo18_1 : public report::PageReport {
public:
    explicit TF_wo18_1(HostData& data);

    void QR_o_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_o_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wo18_1> F_wo18_1;

}  // namespace dek::pages
