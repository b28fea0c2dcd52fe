// PIT/B page 1/2 of one person's set: NIP, year, number of PIT/B attachments,
// section A, the two business activities of B.1 and B.2 from the set's first
// activity `nr` (1 or 3), and the set's first partnership in C.1.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wb18_1 : public report::PageReport {
public:
    explicit TF_wb18_1(HostData& data);

    void QR_b_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_b_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wb18_1> F_wb18_1;

}  // namespace dek::pages
