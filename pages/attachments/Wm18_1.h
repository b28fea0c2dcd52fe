// PIT/M: the income of a person's minor children, from the person's income
// block (`nrp`): identifier, year, section A, table B.1 (usufruct for this
// parent alone) or B.2 (for both parents), and the amounts B.3 carries over.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wm18_1 : public report::PageReport {
public:
    explicit TF_wm18_1(HostData& data);

    void QR_m_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_m_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wm18_1> F_wm18_1;

}  // namespace dek::pages
