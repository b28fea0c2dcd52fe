// PIT/Z page 1/2: NIP, year, section A and, for a person who used the
// exemption in the tax year (status code 3), section B: the activity as a
// whole, its part not exempt and its exempt part, and the combined figures of
// B.4.
#pragma once

#include <memory>

#include "report/page.h"

namespace dek::pages {

class TF_wz18_1 : public report::PageReport {
public:
    explicit TF_wz18_1(HostData& data);

    void QR_z_1BeforePrint(bool& PrintReport);

protected:
    void BeforePrint(bool& PrintReport) override { QR_z_1BeforePrint(PrintReport); }
};

// The page while its sheet prints; empty otherwise.
inline std::unique_ptr<TF_wz18_1> F_wz18_1;

}  // namespace dek::pages
