// PIT/ZG: income earned abroad and the tax paid there, for one person (`nrp`:
// 1 taxpayer, 2 spouse): identifier, section A, the country of section B and
// the amounts of section C as the return holds them.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wzg18_1 : public report::PageReport {
public:
    explicit TF_wzg18_1(HostData& data);

    void QR_zg_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_zg_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wzg18_1> F_wzg18_1;

}  // namespace dek::pages
