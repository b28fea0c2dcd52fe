// PIT-36/PIT-36S page 1/7: identifiers, the form's title (PIT-36 or PIT-36S),
// year, taxation method, section A (tax office, purpose of filing) and
// section B (taxpayer and spouse, post office included).
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_w36181 : public report::PageReport {
public:
    explicit TF_w36181(HostData& data);

    void QR_36_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_36_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_w36181> F_w36181;

}  // namespace dek::pages
